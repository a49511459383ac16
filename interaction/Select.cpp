// The Select tool: a release hilights what lies under the pointer (a point,
// an angle mark, a bracket, a line, a circle, a curve, then a text or an
// image); Shift adds to the selection, a release on nothing clears it. And
// "Property", which edits the selected bracket and angle mark.
#include "interaction/MyCanvas.h"

void MyCanvas::LUp_Select(wxPoint& pos) {
  // Only in Tovik style does selecting a line give it the Segment toggle's mark.
  Gesture().SetSelectClipMark(m_Tool.m_GMode == kGModeTovik ? (m_Tool.m_Clipping ? 1 : 0) : -1);
  if (!Gesture().LUp_Select(WorldX(pos.x), WorldY(pos.y))) {
    GSheet& s = m_Doc->Sheet();
    if (Snap2Text(s.texts.head, pos.x, pos.y))
      m_Tool.m_PickedText->hilighted = 1;
    else if (Gesture().Snap2Image(s.images.head, pos.x, pos.y))
      Gesture().PickedImage()->hilighted = 1;
    else
      m_Doc->ClearAllHilights();
  }
  m_RefreshPending = true;
}

void MyCanvas::OnProperty() {
  bool changed = false;
  if (m_Doc->Selection().Brackets().Count() > 0 && m_EditBracket)
    changed = m_EditBracket(*m_Doc->Selection().Brackets()[0]);
  if (m_Doc->Selection().Angles().Count() > 0 && m_EditAngle)
    changed = m_EditAngle(*m_Doc->Selection().Angles()[0]) || changed;
  if (changed) Refresh(false);
}
