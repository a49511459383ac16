// Writing JSON text: strings escaped into valid UTF-8 whatever bytes they
// hold, numbers as the shortest text that reads back to the same double,
// non-finite numbers as null.
#pragma once

#include <string>

#include "geometry/CComplex.h"

// Appends s as a JSON string literal. Bytes that do not form valid UTF-8 are
// replaced by U+FFFD, so the output is always valid UTF-8.
void JsonString(std::string& out, const std::string& s);
// Appends a number as the shortest text that reads back to exactly v ("0.1",
// "-0", "1e+300"); NaN and infinities become null.
void JsonNumber(std::string& out, double v);
// Appends [re, im].
void JsonComplex(std::string& out, const CComplex& z);
