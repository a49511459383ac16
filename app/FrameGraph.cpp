// The Graph command: the graph dialog's formula becomes a function graph or a
// parametric curve of the current sheet.
#include "app/MyFrame.h"
#include "app/dialogs/ToolDialogs.h"
#include "interaction/MyCanvas.h"

void MyFrame::OnModeGraph(wxCommandEvent&) {
  GGraphInput in;
  if (!m_Canvas->m_AskGraph || !m_Canvas->m_AskGraph(in)) return;
  const std::string formula = in.formula.utf8_string();
  if (formula.empty()) return;
  // A range that is not a number reads as 0, as the files have always had it.
  m_Canvas->Gesture().AddGraph(formula, ReadNumber(in.xmin), ReadNumber(in.xmax));
  enableToolbar();
  m_Canvas->Refresh(false);
}
