// Escaping of texts and captions inside script statements: a statement is one
// line ending in ";", so line breaks and semicolons inside a text are escaped.
#pragma once

#include <string>

// Line break -> backslash + "n", carriage return dropped, ";" -> backslash + ";".
// Every other byte (a backslash-comma included) is copied as it is.
std::string ConvertText4Script(const std::string& text);

// The inverse: backslash + "n" -> line break, backslash + ";" -> ";"; every
// other byte, a lone backslash included, stays as it was.
std::string ConvertTextFromScript(const std::string& text);
