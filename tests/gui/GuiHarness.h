// What the GUI test main offers every test: the running application (started
// without its event loop), its recording user, and a way to let pending
// window events (paint, size, deletions) happen.
#pragma once

#include <functional>
#include <string>

#include "app/MyApp.h"
#include "core/Recorder.h"

class wxWindow;

// The application created by the test main; its frame answers to AppUser().
MyApp& TheApp();
RecordingUser& AppUser();
// A recorder that lives until the end of the run (for frames that are
// destroyed later than the test that made them).
RecordingUser* LastingUser();
// Dispatches pending toolkit events until done() holds or timeoutMs passed;
// returns done() at the end.
bool PumpEvents(const std::function<bool()>& done, int timeoutMs = 2000);
// Saves what the screen shows of `window` (frame and all) as a PNG at `path`.
bool SaveWindowPicture(wxWindow* window, const char* path);
// The folder of the program's preference file and logs in this run; each
// test starts without a preference file.
const std::string& TestFilesDir();
