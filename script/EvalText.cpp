// STUB
#include "script/EvalText.h"

int EvaluateText(GConst*, const std::string&, std::string& out, bool) {
  out.clear();
  return 0;
}
void AddYenCommaOnText(std::string&) {}
void RemoveYenCommaOnText(std::string&) {}
