// The language the program speaks: the gettext catalogues of translations
// (beside the installed program or in the build tree), the person's choice or
// else the system's, and the marked texts that are translated where shown.
#pragma once

#include <wx/string.h>
#include <wx/translation.h>

#include <string>

#include "model/Translate.h"

// A language of the Language menu: its code in the preference file ("" for
// the system's) and its name as its own speakers write it.
struct GLanguage {
  const char* code;
  const wxChar* name;
};
// The system's first, then English and every language with a catalogue.
extern const GLanguage kLanguages[];
extern const int kLanguageCount;
// The index of code in kLanguages, 0 (the system's) for one not offered.
int LanguageIndex(const std::string& code);

// Loads the catalogue of code ("" for the system's: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), gives the core its translator and keeps numbers in the
// "C" conventions. Without a catalogue the English texts are shown.
void StartTranslations(const std::string& code);
// The language whose catalogue is in force, "" when the texts are English.
wxString TranslationLanguage();

// The person's language for a text of the program (its English is the key).
wxString Translated(const char* msgid);

// A text kept as a constant and translated each time it is shown, so that
// every place that shows it follows the language without a call of its own.
struct GMsg {
  const char* id;
  operator wxString() const { return Translated(id); }
};
// Marks a constant text for the catalogue.
#define NW_(text) \
  GMsg { text }
