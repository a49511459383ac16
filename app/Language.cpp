// Finding and loading the catalogues through the toolkit's translations, and
// the translator that serves the core's texts in the person's language.
#include "app/Language.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "model/Translate.h"

const GLanguage kLanguages[] = {
    {"", wxT("")},  // named by the menu in the language in force
    {"en", wxT("English")},
    {"de", wxT("Deutsch")},
    {"es", wxT("Espa\u00f1ol")},
    {"fr", wxT("Fran\u00e7ais")},
    {"ja", wxT("\u65e5\u672c\u8a9e")},
};
const int kLanguageCount = sizeof kLanguages / sizeof kLanguages[0];

int LanguageIndex(const std::string& code) {
  for (int i = 1; i < kLanguageCount; ++i)
    if (code == kLanguages[i].code) return i;
  return 0;
}

namespace {

constexpr const char* kDomain = "figuretta";

// Each translation the core asked for, made once: the pointer handed out
// stays valid (a node of an unordered_map never moves) until another language
// starts, which forgets them all.
std::unordered_map<std::string, std::string>& CoreTranslations() {
  static std::unordered_map<std::string, std::string> made;
  return made;
}

const char* CoreTranslation(const char* msgid) {
  auto& made = CoreTranslations();
  auto it = made.find(msgid);
  if (it == made.end()) it = made.emplace(msgid, Translated(msgid).utf8_string()).first;
  return it->second.c_str();
}

void AddLookupPaths() {
  static bool added = false;
  if (added) return;
  added = true;
  // Installed: <prefix>/bin/figuretta beside <prefix>/share/locale.
  const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
  wxFileName installed = wxFileName::DirName(exe.GetPath());
  installed.RemoveLastDir();
  installed.AppendDir("share");
  installed.AppendDir("locale");
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(installed.GetPath());
#ifdef FIGURETTA_BUILD_LOCALE_DIR
  // Run from the build tree (and by the tests): the catalogues compiled there.
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxT(FIGURETTA_BUILD_LOCALE_DIR));
#endif
}

}  // namespace

void StartTranslations(const std::string& code) {
  // The toolkit's own dialogs (the file chooser, the buttons of a message
  // box) are translated by the system's gettext, which follows the locale
  // and, within it, LANGUAGE: the person's locale is taken, and a language
  // chosen in the program goes first.
  std::setlocale(LC_ALL, "");
  if (!code.empty()) setenv("LANGUAGE", code.c_str(), 1);
  AddLookupPaths();
  CoreTranslations().clear();
  auto* translations = new wxTranslations;
  wxTranslations::Set(translations);
  if (!code.empty()) translations->SetLanguage(wxString::FromUTF8(code));
  // The toolkit's own texts (the buttons of its message boxes, the file
  // chooser) come in the same language where the system has them.
  translations->AddStdCatalog();
  translations->AddCatalog(kDomain, wxLANGUAGE_ENGLISH_US);
  SetTranslator(&CoreTranslation);
  // Numbers read and written by the program keep the dot whatever the
  // locale: a German "1,5" never reaches a file nor a field.
  std::setlocale(LC_NUMERIC, "C");
}

wxString TranslationLanguage() {
  wxTranslations* t = wxTranslations::Get();
  if (!t) return wxString();
  const wxString best = t->GetBestTranslation(kDomain, wxLANGUAGE_ENGLISH_US);
  return best.StartsWith("en") ? wxString() : best;
}

wxString Translated(const char* msgid) {
  if (!msgid || !*msgid) return wxString();
  const wxString id = wxString::FromUTF8(msgid);
  return wxGetTranslation(id);
}
