// Numbers in files are written and read with a dot whatever the person's
// locale: a scope that switches this thread to the "C" conventions while a
// document, a CSV or a script is turned into text or read back.
#pragma once

#include <locale.h>

class GCNumericScope {
 public:
  GCNumericScope();
  ~GCNumericScope();
  GCNumericScope(const GCNumericScope&) = delete;
  GCNumericScope& operator=(const GCNumericScope&) = delete;

 private:
  locale_t m_Previous = nullptr;
};
