// The desktop session seen from the program: the toolkit's settings kept in
// memory when there is no session bus to reach the settings service.
#include "app/Session.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

const char* SettingsBackendFor(const char* chosenBackend, const char* busAddress,
                               bool userBusExists) {
  if (chosenBackend && *chosenBackend) return nullptr;  // the person's choice stands
  if (busAddress && *busAddress) return nullptr;
  if (userBusExists) return nullptr;
  return "memory";
}

void ChooseSettingsBackend() {
  bool userBus = false;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    struct stat st {};
    userBus = stat((std::string(runtime) + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
  }
  const char* backend = SettingsBackendFor(std::getenv("GSETTINGS_BACKEND"),
                                           std::getenv("DBUS_SESSION_BUS_ADDRESS"), userBus);
  if (backend) setenv("GSETTINGS_BACKEND", backend, 0);
}
