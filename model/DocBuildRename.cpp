// Renaming an element by hand (the Text tool on a point). A name is written
// into the saved file and read back as a reference, so it must be a single
// word without the bytes that separate statements and fields, and unique.
#include "model/Document.h"
#include "model/Lookup.h"

namespace {

const wxString kRenameCaption = "Rename";

// Blanks and control characters end a name in the file; the others split
// statements and fields; a backslash would hide the comma after a name.
bool BadNameChar(wxUniChar c) {
  const wxUniChar::value_type v = c.GetValue();
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

bool OutputNamed(const GConst* c, const wxString& name, const GObject* except) {
  const GObject* outs[] = {c->POutput,    c->LOutput,     c->COutput,     c->CurveOutput,
                           c->TextOutput, c->AngleOutput, c->ImageOutput, c->BracketOutput};
  for (const GObject* o : outs)
    if (o && o != except && o->name == name) return true;
  return false;
}

}  // namespace

bool GDocument::RenameElement(GObject* e, const wxString& wanted) {
  if (!e) return false;
  wxString name = wanted;
  name.Trim(true).Trim(false);
  if (name == e->name) return true;
  if (name.empty()) {
    m_User->ShowMessage("A name cannot be empty. The old name is kept.", kRenameCaption);
    return false;
  }
  for (wxUniChar c : name) {
    if (BadNameChar(c)) {
      m_User->ShowMessage(
          wxString::Format("The name \"%s\" cannot be used: a name may not hold blanks or any of "
                           ", ; = ( ) \\. The old name is kept.",
                           name),
          kRenameCaption);
      return false;
    }
  }
  // Undone steps can come back, so their elements' names are taken too.
  bool taken = false;
  for (GConst* c = FirstConst(); c && !taken; c = c->next) taken = OutputNamed(c, name, e);
  for (int i = 0; i < m_RedoCount && !taken; ++i)
    if (m_RedoStack[i]) taken = OutputNamed(m_RedoStack[i], name, e);
  if (taken) {
    m_User->ShowMessage(
        wxString::Format("The name \"%s\" is already used in this sheet. The old name is kept.",
                         name),
        kRenameCaption);
    return false;
  }
  e->name = name;
  // A counter that was about to hand out this name moves on to the next free one.
  wxString* counters[] = {&m_PointName, &m_LineName,  &m_CircleName, &m_CurveName,
                          &m_TextName,  &m_AngleName, &m_ImageName,  &m_BracketName};
  for (wxString* counter : counters)
    if (*counter == name) next_name(*counter);
  return true;
}

bool GDocument::EditPointName(GPoint* p, const wxString& name, double size, int red, int green,
                              int blue) {
  if (!p) return false;
  const int s = (size >= 5 && size <= 100) ? static_cast<int>(size) : 14;
  p->nameFontSize = s;
  m_NameFontSize = s;
  m_NameRed = red;
  m_NameGreen = green;
  m_NameBlue = blue;
  return RenameElement(p, name);
}
