// Fuzz target of the script reader: any bytes are read as a document file,
// as an edited sheet and as a copied sheet without texts; what was read is
// written out and read again. Reading must end without a crash, a hang or a
// read outside the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Document.h"
#include "script/Script.h"

namespace {

GDocument& Document() {
  static GSilentUser user;
  static GDocument* doc = new GDocument(&user);  // one document for every input
  return *doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GDocument& doc = Document();
  const std::string input(reinterpret_cast<const char*>(data), size);

  ReadScript(doc, input);

  // The same bytes added to the current sheet, with and without texts.
  ReadScript(doc, input, GReadScope::kCurrentSheet);
  ReadScript(doc, input, GReadScope::kCurrentSheet, GReadTexts::kWithout);

  // What was read, written and read back.
  ReadScript(doc, WriteSheetScript(doc, doc.Sheets().CurrentIndex()));
  return 0;
}
