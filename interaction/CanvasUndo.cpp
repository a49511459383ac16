// The canvas's history commands: undo, redo, the eraser, Invisible and the
// zoom steps. The document does the work; the canvas drops what its tools
// held, takes the view again and repaints.
#include "model/ViewSteps.h"
#include "interaction/MyCanvas.h"

// What the tools held may be gone or hidden now; the view may have zoomed.
void MyCanvas::HistoryChanged() {
  m_Tool.DropPicks();
  m_Painter.UpdateView();
  RefreshToolbar();
  Refresh(false);
}

void MyCanvas::OnUndo() {
  if (m_Tool.GestureUnderway() || !m_Doc->OnUndo()) return;
  HistoryChanged();
}

void MyCanvas::OnRedo() {
  if (m_Tool.GestureUnderway() || !m_Doc->OnRedo()) return;
  HistoryChanged();
}

void MyCanvas::OnModeEraser() {
  if (m_Tool.GestureUnderway()) return;
  m_Doc->OnModeEraser();
  HistoryChanged();
}

void MyCanvas::OnModeInvisible() {
  if (m_Tool.GestureUnderway()) return;
  m_Doc->OnModeInvisible();
  HistoryChanged();
}

// A zoom at its limit is recorded all the same: a file replays its zooms
// step by step.
void MyCanvas::ZoomStep(bool in) {
  if (m_Tool.GestureUnderway()) return;
  ::ZoomStep(*m_Doc, in);
  HistoryChanged();
}
