// Texts whose references to elements ({Ax}, {Ay}, {ag1_}, {br1_} and the
// measuring words such as {distance(A,B)}) are replaced by the elements'
// current values, and the backslash escaping of
// commas in stored texts.
#include "model/EvalText.h"

#include <cmath>
#include <cstdio>

#include "model/GConst.h"
#include "model/Lookup.h"

namespace {

// A real value with its sign always shown; a complex one as "a+bi".
std::string FormatValue(const CComplex& v) {
  char buf[96];
  if (v.realp())
    std::snprintf(buf, sizeof buf, "%+.4f", v.re);
  else
    std::snprintf(buf, sizeof buf, "%+.4lf%+.4lfi", v.re, v.im);
  return buf;
}

// Length of a bracket: the distance between its two end points.
std::string FormatBracketLength(const GBracket& b) {
  const CComplex dx = b.x2 / b.z2 - b.x1 / b.z1;
  const CComplex dy = b.y2 / b.z2 - b.y1 / b.z1;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", std::sqrt(dx.re * dx.re + dy.re * dy.re));
  return buf;
}

// The value a reference stands for, or false when the name is unknown or its
// step has no output of the kind the selector needs.
bool ReferenceValue(GConst* first, const std::string& name, char selector, std::string& value) {
  GConst* step = nullptr;
  if (!FindNameFromCns(first, name, &step) || !step) return false;
  switch (selector) {
    case 'x':
    case 'y': {
      const GPoint* p = step->POutput;
      if (!p) return false;
      value = FormatValue(selector == 'x' ? p->x / p->z : p->y / p->z);
      return true;
    }
    case '_':
      // Degrees by the program's own factor 180 / 3.14159, so a right angle
      // reads +90.0001: texts already on sheets show exactly these digits.
      if (step->AngleOutput) {
        value = FormatValue(step->AngleOutput->value * (180.0 / 3.14159));
        return true;
      }
      if (step->BracketOutput) {
        value = FormatBracketLength(*step->BracketOutput);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace

int EvaluateText(GConst* first, const std::string& in, std::string& out, bool parenthesise) {
  out.clear();
  std::string result;
  size_t pos = 0;
  while (pos < in.size()) {
    const size_t open = in.find('{', pos);
    if (open == std::string::npos) {
      result.append(in, pos, std::string::npos);
      break;
    }
    result.append(in, pos, open - pos);
    const size_t close = in.find('}', open + 1);
    // A reference needs at least one byte of name and one of selector.
    if (close == std::string::npos || close - open - 1 < 2) return 1;
    const std::string name = in.substr(open + 1, close - open - 2);
    const char selector = in[close - 1];
    std::string value;
    const std::string inside = in.substr(open + 1, close - open - 1);
    const bool known = selector == ')' ? MeasureValue(first, inside, value)
                                       : ReferenceValue(first, name, selector, value);
    if (known) {
      if (parenthesise) result += '(';
      result += value;
      if (parenthesise) result += ')';
    }
    pos = close + 1;
  }
  out = std::move(result);
  return 0;
}

void AddYenCommaOnText(std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char ch : text) {
    if (ch == ',') escaped += '\\';
    escaped += ch;
  }
  text = std::move(escaped);
}

void RemoveYenCommaOnText(std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == ',') continue;
    plain += text[i];
  }
  text = std::move(plain);
}
