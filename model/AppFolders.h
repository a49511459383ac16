// Where the program keeps its own files: the preference file in the user's
// configuration folder and the day's logs in the user's state folder, as a
// desktop program does, with the working directory as the last resort.
#pragma once

#include <functional>
#include <string>

// A folder for each kind of file; "" stands for the working directory.
struct GAppFolders {
  std::string config;  // the preference file
  std::string state;   // the day's log files
};

// Reads an environment variable; none when it is not set.
using GEnvLookup = std::function<const char*(const char*)>;

// The environment variable that puts both files into one folder (tests, a
// portable install). Without it: $XDG_CONFIG_HOME/figuretta (default
// ~/.config/figuretta) and $XDG_STATE_HOME/figuretta (default
// ~/.local/state/figuretta).
constexpr const char* kFilesDirVariable = "FIGURETTA_FILES_DIR";

// Finds and creates both folders. A folder that cannot be created falls
// back to the working directory, so the program still keeps its files.
GAppFolders ResolveAppFolders(const GEnvLookup& env);
GAppFolders ResolveAppFolders();

// folder/name, or name alone for the working directory.
std::string InFolder(const std::string& folder, const std::string& name);
