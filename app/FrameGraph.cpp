// The Graph command: the graph dialog's formula becomes a function graph or a
// parametric curve of the current sheet; a refused formula keeps the dialog
// open.
#include "app/MyFrame.h"
#include "app/dialogs/ToolDialogs.h"
#include "interaction/MyCanvas.h"
#include "model/Formula.h"

void MyFrame::OnModeGraph(wxCommandEvent&) {
  if (!m_Canvas->m_AskGraph) return;
  GGraphInput in;
  bool built = false;
  const GGraphAccept build = [this, &built](const GGraphInput& g) {
    const std::string formula = g.formula.utf8_string();
    if (formula.empty()) return true;  // nothing typed ends the command
    GFormulaError error;
    // A range that is not a number reads as 0, as the files have always had it.
    if (m_Canvas->Gesture().AddGraph(formula, ReadNumber(g.xmin), ReadNumber(g.xmax), &error))
      return error.fault == GFormulaFault::kNoCurve;  // typing cannot make room
    built = true;  // the status bar's guidance tells the formula as understood
    return true;
  };
  if (!m_Canvas->m_AskGraph(in, build) || !built) return;
  enableToolbar();
  m_Canvas->Refresh(false);
}
