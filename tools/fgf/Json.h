// Writing JSON text: strings escaped into valid UTF-8 whatever bytes they
// hold, numbers with six significant digits, non-finite numbers as null.
#pragma once

#include <string>

#include "geometry/CComplex.h"

// Appends s as a JSON string literal. Bytes that do not form valid UTF-8 are
// replaced by U+FFFD, so the output is always valid UTF-8.
void JsonString(std::string& out, const std::string& s);
// Appends a number with "%.6g"; NaN and infinities become null, and values
// closer to zero than rounding noise (1e-12) are written as 0.
void JsonNumber(std::string& out, double v);
// Appends [re, im].
void JsonComplex(std::string& out, const CComplex& z);
