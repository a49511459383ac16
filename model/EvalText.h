// Texts whose references to elements ({Ax}, {Ay}, {ag1_}, {br1_}) are
// replaced by current values, and the comma escaping of texts.
#pragma once

#include <string>

class GConst;

int EvaluateText(GConst* first, const std::string& in, std::string& out, bool parenthesise);
// The value of a measuring reference "word(arg,...)" written "%.2f"; false
// when the word, its arguments or the figure give no real value.
bool MeasureValue(GConst* first, const std::string& ref, std::string& value);
void AddYenCommaOnText(std::string& text);
void RemoveYenCommaOnText(std::string& text);
