// Texts of the core that a person reads: N_() marks a text for the catalogue
// without changing it, and Tr() gives it in the person's language through the
// translator the program installed (without one, the English itself).
#pragma once

// The toolkit defines the same no-op where it is included first.
#ifndef N_
#define N_(text) text
#endif

// Returns the translation of msgid, or msgid itself; what it returns must stay
// valid as long as the program runs.
using GTranslator = const char* (*)(const char* msgid);

// nullptr puts the English back.
void SetTranslator(GTranslator translator);
// The format check of a printf-like function sees through Tr() to its text.
const char* Tr(const char* msgid) __attribute__((format_arg(1)));
