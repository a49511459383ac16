// Texts whose references to elements ({Ax}, {Ay}, {ag1_}, {br1_}) are
// replaced by current values, and the comma escaping of texts.
#pragma once

#include <string>

class GConst;

int EvaluateText(GConst* first, const std::string& in, std::string& out, bool parenthesise);
void AddYenCommaOnText(std::string& text);
void RemoveYenCommaOnText(std::string& text);
