// Fuzz target of the script reader: any bytes are read as a document file,
// as an edited sheet and as a copied sheet without texts; what was read is
// written out and read again. Reading must end without a crash, a hang or a
// read outside the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Document.h"

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

  doc.scriptText = input;
  doc.const_src2cns(true, true);

  // The same bytes added to the current sheet, with and without texts.
  doc.scriptText = input;
  doc.const_src2cns(false, true);
  doc.scriptText = input;
  doc.const_src2cns(false, false);

  // What was read, written and read back.
  doc.scriptText.clear();
  doc.SetConstSrc(doc.FirstConst());
  doc.const_src2cns(true, true);
  return 0;
}
