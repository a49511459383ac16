// Automatic names of new elements: one counter per element kind holds the
// name the next element will get, and never a name already used by an output
// of the current sheet's construction list.
#include <string>

#include "model/Document.h"
#include "model/NameTable.h"
#include "model/Lookup.h"
#include "model/Utf8Text.h"

namespace {

bool IsUpperBelowZ(char32_t c) { return c >= 'A' && c <= 'Y'; }
bool IsLowerBelowZ(char32_t c) { return c >= 'a' && c <= 'y'; }
bool IsDigitBelow9(char32_t c) { return c >= '0' && c <= '8'; }
// The next code point, passing over the surrogates, which UTF-8 cannot hold.
char32_t Succ(char32_t c) { return c == 0xD7FF ? 0xE000 : c + 1; }

// The rule on characters, not bytes: a name may hold any letters (Greek,
// Japanese), and stepping one of them gives the next code point.
bool NextCodes(std::u32string& name) {
  const size_t n = name.length();
  if (n == 0) return true;
  const char32_t c = name[n - 1];
  if (n == 1) {
    if (IsUpperBelowZ(c) || IsLowerBelowZ(c))
      name[0] = Succ(c);
    else if (c == 'Z')
      name = U"AA";
    else if (c == 'z')
      name = U"aa";
    return false;  // any other single character stays as it is
  }
  if (IsDigitBelow9(c) || IsUpperBelowZ(c) || IsLowerBelowZ(c)) {
    name[n - 1] = Succ(c);
    return false;
  }
  char32_t wrapped;
  if (c == '9')
    wrapped = '0';
  else if (c == 'Z')
    wrapped = 'A';
  else if (c == 'z')
    wrapped = 'a';
  else
    return true;
  name[n - 2] = Succ(name[n - 2]);
  name[n - 1] = wrapped;
  return false;
}

}  // namespace

// The successor rule: the last character counts up; past 9, Z or z it wraps
// and the character before it is stepped by one code, with no further carry
// (AZ -> BA, C9 -> D0). Returns true when the name has no successor.
bool GNaming::next_name_sub(std::string& name) {
  std::u32string codes = Utf8Decode(name);
  // The three seeds sit just before the first name of their sequence.
  if (codes == U"ZZZ")
    codes = U"A";
  else if (codes == U"zzz")
    codes = U"a";
  else if (codes == U"SZZ")
    codes = U"TA";
  else if (NextCodes(codes))
    return true;
  name = Utf8Encode(codes);
  return false;
}

// Steps the counter until its name is free on the current sheet. Returns true
// (failure) when the rule has no further name. A name that the rule leaves
// unchanged (a single character outside the letters) and that is taken also
// fails, so the search cannot run forever.
bool GDocument::next_name(std::string& counter) {
  for (;;) {
    const std::string before = counter;
    if (GNaming::next_name_sub(counter)) return true;
    GConst* found = nullptr;
    if (!FindNameFromCns(FirstConst(), counter, &found)) return false;
    if (counter == before) return true;
  }
}

std::string GDocument::TakeName(GNameKind kind) {
  std::string& counter = m_Naming.Counter(kind);
  std::string name = counter;
  next_name(counter);
  return name;
}

void GDocument::SetPointName(GPoint* p) {
  if (!p) return;
  p->name = TakeName(GNameKind::kPoint);
  p->nameFontSize = m_Defaults.NameFontSize();
  p->nameAngle = 0.0;
}

void GDocument::SetCircleName(GCircle* c) {
  if (!c) return;
  c->name = TakeName(GNameKind::kCircle);
}

void GDocument::SetBracketName(GBracket* b) {
  if (!b) return;
  b->name = TakeName(GNameKind::kBracket);
}

// Each seed is the name just before the first one of its sequence, so one
// step gives A, a, C1, x1, TA, ag1, im1 and br1 (or the first free name).
// Undo and redo re-seed after every step: the names of the sheet are gathered
// once, rather than the list being searched for every name tried (a sheet of
// hundreds of points would try hundreds of names, each a walk of the list).
void GDocument::ResetAllName() {
  GNameTable<bool> taken;  // points at the names themselves
  for (GConst* c = FirstConst(); c; c = c->next) {
    const GObject* outs[] = {c->COutput,    c->LOutput,     c->POutput,       c->CurveOutput,
                             c->TextOutput, c->AngleOutput, c->BracketOutput, c->ImageOutput};
    for (const GObject* e : outs)
      if (e) taken.Insert(e->name, true);
  }
  auto seed = [&](std::string& counter, const char* before) {
    counter = before;
    for (;;) {
      const std::string was = counter;
      if (GNaming::next_name_sub(counter) || !taken.Find(counter) || counter == was) return;
    }
  };
  seed(m_Naming.Counter(GNameKind::kPoint), "ZZZ");
  seed(m_Naming.Counter(GNameKind::kLine), "zzz");
  seed(m_Naming.Counter(GNameKind::kCircle), "C0");
  seed(m_Naming.Counter(GNameKind::kCurve), "x0");
  seed(m_Naming.Counter(GNameKind::kText), "SZZ");
  seed(m_Naming.Counter(GNameKind::kAngle), "ag0");
  seed(m_Naming.Counter(GNameKind::kImage), "im0");
  seed(m_Naming.Counter(GNameKind::kBracket), "br0");
}
