// The canvas's history commands: undo, redo, the eraser, Invisible and the
// zoom steps. The document does the work; the canvas drops what its tools
// held, takes the view again and repaints.
#include <cstring>

#include "model/Translate.h"
#include "model/Utf8Text.h"
#include "model/ViewSteps.h"
#include "interaction/MyCanvas.h"

// What the tools held may be gone or hidden now; the view may have zoomed.
void MyCanvas::HistoryChanged() {
  m_Tool.DropPicks();
  for (GImage* im = m_Doc->Sheet().images.head; im; im = im->next) FitShownPicture(im);
  m_Painter.UpdateView();
  RefreshToolbar();
  Refresh(false);
}

bool MyCanvas::HistoryQuiet() const { return !m_Tool.GestureUnderway() && !m_Slides.m_SlideShow; }

// What showing the result changes (the view taken again) is no action.
void MyCanvas::OnUndo() {
  if (!HistoryQuiet() || !m_Doc->Actions().Undo()) return;
  m_KeepStill = true;
  HistoryChanged();
  m_Doc->Actions().Absorb();
}

void MyCanvas::OnRedo() {
  if (!HistoryQuiet() || !m_Doc->Actions().Redo()) return;
  m_KeepStill = true;
  HistoryChanged();
  m_Doc->Actions().Absorb();
}

namespace {
std::string Counted(int n, const char* one, const char* many) {
  return n == 1 ? std::string(Tr(one)) : StrFormat(Tr(many), n);
}
}  // namespace

void MyCanvas::OnModeEraser() {
  if (m_Tool.GestureUnderway()) return;
  const int n = m_Doc->OnModeEraser();
  m_Doc->Actions().Name(Counted(n, N_("erase 1 element"), N_("erase %d elements")));
  HistoryChanged();
}

void MyCanvas::OnModeInvisible() {
  if (m_Tool.GestureUnderway()) return;
  const int n = m_Doc->OnModeInvisible();
  m_Doc->Actions().Name(Counted(n, N_("hide 1 element"), N_("hide %d elements")));
  HistoryChanged();
}

namespace {
// The looks as a row of whole numbers, every byte written, so that equal
// looks compare equal.
constexpr int kLooksNumbers = 15;
void PutColour(int*& at, const GRgb& c) {
  *at++ = c.r;
  *at++ = c.g;
  *at++ = c.b;
}
GRgb TakeColour(const int*& at) {
  GRgb c;
  c.r = *at++;
  c.g = *at++;
  c.b = *at++;
  return c;
}
}  // namespace

std::string MyCanvas::Looks() const {
  int row[kLooksNumbers];
  int* at = row;
  const GAppearance& a = m_Painter.m_Look;
  *at++ = static_cast<int>(a.theme);
  for (const GRgb& c : {a.text, a.hilightFrame, a.axis, a.tick}) PutColour(at, c);
  *at++ = m_Painter.m_AxisOn ? 1 : 0;
  *at++ = m_Tool.m_Clipping ? 1 : 0;
  return std::string(reinterpret_cast<const char*>(row), sizeof row);
}

void MyCanvas::RestoreLooks(const std::string& looks) {
  int row[kLooksNumbers];
  if (looks.size() != sizeof row) return;
  std::memcpy(row, looks.data(), sizeof row);
  const int* at = row;
  GAppearance& a = m_Painter.m_Look;
  a.theme = static_cast<GTheme>(*at++);
  a.text = TakeColour(at);
  a.hilightFrame = TakeColour(at);
  a.axis = TakeColour(at);
  a.tick = TakeColour(at);
  m_Painter.m_AxisOn = *at++ != 0;
  m_Tool.SetClipping(*at++ != 0);
  m_Painter.m_BgDrawn = false;
}

// A zoom at its limit is recorded all the same: a file replays its zooms
// step by step.
void MyCanvas::ZoomStep(bool in) {
  if (m_Tool.GestureUnderway()) return;
  ::ZoomStep(*m_Doc, in);
  HistoryChanged();
}
