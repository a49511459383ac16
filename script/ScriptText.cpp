// Escaping of texts for the script: line breaks and semicolons would otherwise
// end the statement early when the file is read back.
#include "script/ScriptText.h"

std::string ConvertText4Script(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      out += "\\n";
    } else if (c == ';') {
      // A bare ";" followed by a line break would look like the end of the
      // statement to the reader and cut the text.
      out += "\\;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ConvertTextFromScript(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      char next = text[i + 1];
      if (next == 'n') {
        out += '\n';
        ++i;
        continue;
      }
      if (next == ';') {
        out += ';';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}
