// Finding the configuration and state folders from the environment, and
// creating them on first use.
#include "model/AppFolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Value(const GEnvLookup& env, const char* name) {
  const char* v = env(name);
  return v ? std::string(v) : std::string();
}

// The folder itself once it exists (made here when missing), else "".
std::string Usable(const std::string& folder) {
  if (folder.empty()) return std::string();
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec) ? folder : std::string();
}

// $XDG_..._HOME/figuretta when that holds an absolute path (the base
// directory rules ignore relative ones), else $HOME/fallback/figuretta.
std::string XdgFolder(const GEnvLookup& env, const char* variable, const char* fallback) {
  std::string base = Value(env, variable);
  if (base.empty() || base[0] != '/') {
    const std::string home = Value(env, "HOME");
    if (home.empty()) return std::string();
    base = home + "/" + fallback;
  }
  return base + "/figuretta";
}

}  // namespace

GAppFolders ResolveAppFolders(const GEnvLookup& env) {
  const std::string own = Value(env, kFilesDirVariable);
  if (!own.empty()) {
    const std::string folder = Usable(own);
    return {folder, folder};
  }
  return {Usable(XdgFolder(env, "XDG_CONFIG_HOME", ".config")),
          Usable(XdgFolder(env, "XDG_STATE_HOME", ".local/state"))};
}

GAppFolders ResolveAppFolders() {
  return ResolveAppFolders([](const char* name) -> const char* { return std::getenv(name); });
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : folder + "/" + name;
}
