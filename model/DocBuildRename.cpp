// Renaming an element by hand (the Text tool on a point). A name is written
// into the saved file and read back as a reference, so it must be a single
// word without the bytes that separate statements and fields, and unique.
#include "model/Document.h"
#include "model/Lookup.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {

const char* const kRenameCaption = N_("Rename");

// Blanks and control characters end a name in the file; the others split
// statements and fields; a backslash would hide the comma after a name.
// All of them are ASCII, and no byte of a multi-byte UTF-8 character is, so
// the check goes byte by byte without splitting a letter.
bool BadNameChar(char ch) {
  const auto v = static_cast<unsigned char>(ch);
  if (v <= 0x20 || v == 0x7f) return true;
  switch (v) {
    case ',':
    case ';':
    case '=':
    case '(':
    case ')':
    case '\\':
      return true;
    default:
      return false;
  }
}

bool OutputNamed(const GConst* c, const std::string& name, const GObject* except) {
  const GObject* outs[] = {c->POutput,    c->LOutput,     c->COutput,     c->CurveOutput,
                           c->TextOutput, c->AngleOutput, c->ImageOutput, c->BracketOutput};
  for (const GObject* o : outs)
    if (o && o != except && o->name == name) return true;
  return false;
}

}  // namespace

bool GDocument::RenameElement(GObject* e, const std::string& wanted) {
  if (!e) return false;
  const std::string name = TrimBlanks(wanted);
  if (name == e->name) return true;
  if (name.empty()) {
    m_User->ShowMessage(Tr("A name cannot be empty. The old name is kept."), Tr(kRenameCaption));
    return false;
  }
  for (char c : name) {
    if (BadNameChar(c)) {
      m_User->ShowMessage(
          StrFormat(Tr("The name \"%s\" cannot be used: a name may not hold blanks or any of "
                       ", ; = ( ) \\. The old name is kept."),
                    name.c_str()),
          Tr(kRenameCaption));
      return false;
    }
  }
  // Undone steps can come back, so their elements' names are taken too.
  bool taken = false;
  for (GConst* c = FirstConst(); c && !taken; c = c->next) taken = OutputNamed(c, name, e);
  for (int i = 0; i < History().RedoCount() && !taken; ++i)
    if (History().RedoAt(i)) taken = OutputNamed(History().RedoAt(i), name, e);
  if (taken) {
    m_User->ShowMessage(
        StrFormat(Tr("The name \"%s\" is already used in this sheet. The old name is kept."),
                  name.c_str()),
        Tr(kRenameCaption));
    return false;
  }
  e->name = name;
  // A counter that was about to hand out this name moves on to the next free one.
  for (int k = 0; k < kNameKinds; ++k) {
    std::string& counter = m_Naming.Counter(static_cast<GNameKind>(k));
    if (counter == name) next_name(counter);
  }
  return true;
}

bool GDocument::EditPointName(GPoint* p, const std::string& name, double size, int red, int green,
                              int blue) {
  if (!p) return false;
  const int s = (size >= 5 && size <= 100) ? static_cast<int>(size) : 14;
  p->nameFontSize = s;
  m_Defaults.SetNameFontSize(s);
  m_Defaults.SetNameColour(GColour{red, green, blue});
  return RenameElement(p, name);
}
