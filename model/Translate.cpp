// The core's one hook into the program's translations: the GUI installs a
// translator, the command-line tools and the tests keep the English.
#include "model/Translate.h"

namespace {
GTranslator g_Translator = nullptr;
}  // namespace

void SetTranslator(GTranslator translator) { g_Translator = translator; }

const char* Tr(const char* msgid) {
  if (!g_Translator || !msgid || !*msgid) return msgid;
  const char* t = g_Translator(msgid);
  return t ? t : msgid;
}
