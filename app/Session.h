// What the program makes of the desktop session it starts in: where the
// toolkit keeps its own settings when the desktop offers no settings service.
#pragma once

// The toolkit keeps a few settings of its own (a file chooser's columns and
// size) through the desktop's settings service, reached over the session
// bus. Without a bus every such write fails, each after trying to start one,
// and the failures come back later from the main loop while dialogs are
// opened and closed. Returns "memory" (settings kept for the run only) when
// no backend was chosen and no session bus can be reached, else nullptr:
// busAddress is $DBUS_SESSION_BUS_ADDRESS, userBusExists whether the
// session's own bus socket ($XDG_RUNTIME_DIR/bus) is there.
const char* SettingsBackendFor(const char* chosenBackend, const char* busAddress,
                               bool userBusExists);

// Applies SettingsBackendFor to this process's environment; called before
// the toolkit starts.
void ChooseSettingsBackend();
