// Editing the current sheet as script text: its block as text to show,
// rebuilding the sheet from edited text, and stepping to a neighbouring sheet
// or inserting one after the edited text has been applied.
#include <cstdint>

#include "model/Document.h"

namespace {

const wxUniChar kReplacement(0xFFFD);

// Length of the well-formed UTF-8 sequence that starts at s[i], or 0 when the
// bytes there are not one. Overlong forms, surrogates and code points above
// U+10FFFF are refused, so what passes decodes without loss.
size_t SequenceLength(const std::string& s, size_t i) {
  const auto at = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t b = at(i);
  if (b < 0x80) return 1;
  size_t n;
  uint8_t lo = 0x80, hi = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) lo = 0xA0;  // shorter forms exist
    if (b == 0xED) hi = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (at(i + 1) < lo || at(i + 1) > hi) return 0;
  for (size_t k = 2; k < n; ++k)
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  return n;
}

}  // namespace

wxString ScriptBytesToText(const std::string& bytes) {
  wxString out;
  std::string run;  // well-formed bytes not yet decoded
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = SequenceLength(bytes, i);
    if (n == 0) {
      out += wxString::FromUTF8(run.data(), run.size());
      run.clear();
      out += kReplacement;
      ++i;
      continue;
    }
    run.append(bytes, i, n);
    i += n;
  }
  out += wxString::FromUTF8(run.data(), run.size());
  return out;
}

wxString GDocument::SheetScriptText() {
  scriptText.clear();
  SetConstSrc(FirstConst());
  return ScriptBytesToText(scriptText);
}

// The sheet is emptied completely (steps, elements, an undone step waiting to
// be redone) and started afresh before the text is read into it, so the
// sheet is what the text says and nothing of the old figure lingers. The
// header statements in the text give the sheet its looks again. The zooms of
// the old steps are taken back first, since the text replays its own: applying
// the text unchanged leaves the view as it was.
bool GDocument::ApplySheetScript(const wxString& text) {
  RevertSheetZooms(false);
  ClearSheet();
  MoveSheet(true);
  scriptText = text.utf8_string();
  const bool read = const_src2cns(false, true);
  // Reading stops at an error before it evaluates; the statements kept must
  // still stand where their constructions put them.
  if (FirstConst()) EvaluateConst(FirstConst());
  ResetAllName();
  return read;
}

// When the text has an error the editor stays on its sheet, so that the
// text, error and all, is still there to be put right.
bool GDocument::StepEditedSheet(int direction, const wxString& text) {
  if (direction == 0) return false;
  if (direction < 0 && m_CurrentSheet <= 0) return false;
  if (direction > 0 && m_CurrentSheet >= m_SheetCount - 1) return false;
  if (!ApplySheetScript(text)) return false;
  // Reading may have opened more sheets ("//Sheet" lines in the text) and left
  // a later one current; the step goes from there, and where it cannot go on
  // the editor simply shows that sheet.
  if (direction < 0)
    PrevSheet();
  else
    NextSheet();
  return true;
}

bool GDocument::InsertAfterEditedSheet(const wxString& text) {
  if (!ApplySheetScript(text)) return false;
  InsertNewSheet();  // when the document is full the person is told so
  return true;
}
