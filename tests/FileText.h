// The whole contents of a file as bytes, for tests that check what the
// program wrote; empty when the file cannot be read.
#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string FileText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
