// The frame's Measure command (a live text for what is chosen, placed beside
// the first chosen point or near the top left of the canvas), the Show
// hidden elements toggle, Show again and the Squared paper toggle.
#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
#include "model/Measure.h"
#include "model/PutAway.h"

void MyFrame::OnMeasure(wxCommandEvent&) {
  GDocument& d = *m_Canvas->m_Doc;
  const std::string content = MeasureContent(d);
  if (content.empty()) {
    m_User->ShowMessage(N_("Nothing to measure is chosen.\nChoose two points, a segment, a "
                           "line, a circle, an angle mark or the corners of a polygon, "
                           "then Measure again."),
                        N_("Measure"), GUser::kInformation);
    return;
  }
  const GView v = m_Canvas->View();
  // Without a point to stand beside, measurements go down the left edge
  // one under the other rather than on top of each other.
  int texts = 0;
  for (const GText* t = d.Sheet().texts.head; t; t = t->next) texts += t->hidden ? 0 : 1;
  int x = 20, y = 20 + 70 * (texts % 6);
  if (const GPoint* p = d.Selection().Points()[0]) {
    x = v.PixelX(p->xz().re) + 12;
    y = v.PixelY(p->yz().re) + 12;
  }
  // A text placed outside the canvas would never be drawn nor clicked.
  if (x < 0 || x > v.width - 40) x = 20;
  if (y < 0 || y > v.height - 40) y = 20 + 70 * (texts % 6);
  if (!AddMeasureText(d, content, x, y)) return;
  m_Canvas->Refresh(false);
}

// The toggle draws the elements put away faintly and lets them be chosen.
void MyFrame::OnShowHidden(wxCommandEvent&) {
  GDocument& d = *m_Canvas->m_Doc;
  SetShowHidden(d, !d.Viewport().ShowHidden());
  m_AppearMenu->Check(ToolkitId(kCmdShowHidden), d.Viewport().ShowHidden());
  m_Canvas->Refresh(false);
}

void MyFrame::OnShowAgain(wxCommandEvent&) {
  if (m_Canvas->m_Doc->OnModeShowAgain() == 0) {
    m_User->ShowMessage(N_("No hidden element is chosen.\nSwitch on Appearance > Show "
                           "hidden elements, click a faint element, then Show again."),
                        N_("Show again"), GUser::kInformation);
    return;
  }
  m_Canvas->Refresh(false);
}

void MyFrame::OnSquaredPaper(wxCommandEvent&) {
  GDocument& d = *m_Canvas->m_Doc;
  d.SetSquaredPaper(!d.SquaredPaper());
  m_AppearMenu->Check(ToolkitId(kCmdSquaredPaper), d.SquaredPaper());
  m_Canvas->Refresh(false);
}

void MyFrame::OnUpdateSquaredPaper(wxUpdateUIEvent& event) {
  event.Check(m_Canvas->m_Doc->SquaredPaper());
}
