// The commands of the fgf tool: check, format, dump and csv. Each returns the
// exit status (0 success, 1 a document failed or a move was refused).
#pragma once

#include <string>
#include <vector>

struct FgfMove {
  std::string name;  // point name, UTF-8
  double x = 0, y = 0;
};

int RunCheck(const std::vector<std::string>& files);
int RunFormat(const std::string& file);
int RunDump(const std::string& file, const std::vector<FgfMove>& moves, int steps);
// Prints the CSV that Save data writes, for every element of sheet `sheet`
// (counted from 1).
int RunCsv(const std::string& file, int sheet);
