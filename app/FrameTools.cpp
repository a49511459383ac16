// The construction tools' commands. In the Tovik style a command chooses the
// tool that the mouse then drives; in the Quil and touch-panel styles it
// builds at once from the hilighted selection. Also the Text and Image
// buttons and the angle dialog of the line-with-angle tool.
#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
#include "interaction/ToolAsk.h"

namespace {

bool IsTovik(const MyCanvas* c) { return c->m_Tool.m_GMode == kGModeTovik; }
bool IsQuilOrPanel(const MyCanvas* c) {
  return c->m_Tool.m_GMode == kGModeQuil || c->m_Tool.m_GMode == kGModePanel;
}

void ClearPointHilights(GDocument& d) {
  while (d.Selection().Points().Count() > 0) d.Deletehilighted(d.Selection().Points()[0]);
}

// The angle for the line-with-angle tool, from the dialog: the angle at the
// middle one of three named points (an existing mark of the same arms, or a
// new one), or a typed number of degrees. False when nothing was chosen:
// Cancel, or a name that names no point (said to the person).
bool ChooseAngle(MyCanvas& canvas) {
  GDocument& d = *canvas.m_Doc;
  GGesture& g = canvas.Gesture();
  GAngleChoice choice;
  choice.degrees = wxString::Format("%g", g.AngleDegrees());
  const bool ok = canvas.m_AskAngle && canvas.m_AskAngle(choice);
  if (!ok) return false;
  if (!choice.byPoints) {
    g.SetAngleDegrees(choice.degrees.utf8_string());
    return true;
  }
  if (g.SetCurrentAngleByNames(choice.first.utf8_string(), choice.vertex.utf8_string(),
                               choice.second.utf8_string()))
    return true;
  d.User().ShowMessage(wxString::Format(_("The points %s, %s, %s are not all in this sheet. "
                                          "No angle was chosen."),
                                        choice.first, choice.vertex, choice.second)
                           .utf8_string(),
                       N_("Draw a line with an angle"));
  return false;
}

}  // namespace

// Runs a builder on the selection and shows the result.
void MyFrame::Build(bool (GGesture::*builder)()) {
  (m_Canvas->Gesture().*builder)();
  enableToolbar();
  m_Canvas->Refresh(false);
}

// Either chooses the Tovik tool `mode` or builds with `builder`; other style
// values do nothing.
void MyFrame::ToolOrBuild(GToolMode mode, bool (GGesture::*builder)()) {
  if (IsTovik(m_Canvas))
    SetToolMode(mode);
  else if (IsQuilOrPanel(m_Canvas))
    Build(builder);
}

void MyFrame::OnModeMLine(wxCommandEvent&) { ToolOrBuild(kModeMLine, &GGesture::ConstDefLine); }
void MyFrame::OnModePara(wxCommandEvent&) { ToolOrBuild(kModePara, &GGesture::ConstDefPara); }
void MyFrame::OnModePerp(wxCommandEvent&) { ToolOrBuild(kModePerp, &GGesture::ConstDefPerp); }
void MyFrame::OnModeMid(wxCommandEvent&) { ToolOrBuild(kModeMid, &GGesture::ConstDefMid); }
void MyFrame::OnModeMCircle(wxCommandEvent&) {
  ToolOrBuild(kModeMCircle, &GGesture::ConstDefCircle);
}
void MyFrame::OnModeCircleBy3(wxCommandEvent&) {
  ToolOrBuild(kModeCircleBy3, &GGesture::ConstDefCircleBy3);
}
void MyFrame::OnModeBracket(wxCommandEvent&) {
  ToolOrBuild(kModeBracket, &GGesture::ConstDefBracket);
  m_Canvas->Refresh(false);
}

// The Tovik bisector starts counting its two lines afresh.
void MyFrame::OnModeBisector(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) {
    m_Canvas->Gesture().StartBisectorTool();
    SetToolMode(kModeBisector);
    m_Canvas->Refresh(false);
  } else if (IsQuilOrPanel(m_Canvas)) {
    Build(&GGesture::ConstDefBisector);
  }
}

// The Tovik tools that collect points start from no chosen point.
void MyFrame::OnModeOrbit(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) {
    ClearPointHilights(*m_Canvas->m_Doc);
    SetToolMode(kModeOrbit);
    m_Canvas->Refresh(false);
  } else if (IsQuilOrPanel(m_Canvas)) {
    Build(&GGesture::ConstDefOrbit);
  }
}
void MyFrame::OnModeAngle(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) {
    ClearPointHilights(*m_Canvas->m_Doc);
    SetToolMode(kModeAngle);
    m_Canvas->Refresh(false);
  } else if (IsQuilOrPanel(m_Canvas)) {
    Build(&GGesture::ConstDefAngle);
  }
}

void MyFrame::OnModeCompass(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) SetToolMode(kModeCompass);
  if (!IsTovik(m_Canvas) && !IsQuilOrPanel(m_Canvas)) return;
  ClearPointHilights(*m_Canvas->m_Doc);
  m_Canvas->m_Tool.ResetCompass();
  enableToolbar();
  m_Canvas->Refresh(false);
}

// A tangent at a point of a circle, else at a point of a curve.
void MyFrame::OnModeTangent(wxCommandEvent&) {
  if (IsTovik(m_Canvas))
    SetToolMode(kModeTangent);
  else if (!IsQuilOrPanel(m_Canvas))
    return;
  GDocument& d = *m_Canvas->m_Doc;
  GGesture& g = m_Canvas->Gesture();
  if (d.Selection().Points().Count() > 0 && d.Selection().Circles().Count() > 0)
    g.ConstDefTangent();
  if (d.Selection().Points().Count() > 0 && d.Selection().Curves().Count() > 0)
    g.ConstDefCurveTangent();
  enableToolbar();
  m_Canvas->Refresh(false);
}

// Intersections are made by the Point tool in Tovik style.
void MyFrame::OnModeMeet(wxCommandEvent&) {
  if (IsQuilOrPanel(m_Canvas)) Build(&GGesture::ConstDefMeet);
}

// Tovik: the Segment toggle, which the chosen lines and circles take at once
// and new lines and later choices take too. Elsewhere: a segment between two
// chosen points, or the chosen lines cut to their points.
void MyFrame::OnModeClipping(wxCommandEvent&) {
  MyCanvas& c = *m_Canvas;
  if (IsTovik(&c)) {
    c.m_Tool.SetClipping(!c.m_Tool.m_Clipping);
    c.Gesture().SetClipping(c.m_Tool.m_Clipping);
    enableToolbar();
    c.Refresh(false);
  } else if (IsQuilOrPanel(&c)) {
    GDocument& d = *c.m_Doc;
    GGesture& g = c.Gesture();
    if (d.Selection().Points().Count() == 2)
      g.ConstDefClippingLine();
    else if (d.Selection().Lines().Count() > 0)
      g.LineClippingon();
    enableToolbar();
    c.Refresh(false);
  }
}

// The angle comes from a hilighted mark, else from the dialog.
void MyFrame::OnModeLineWithAngle(wxCommandEvent&) {
  MyCanvas& c = *m_Canvas;
  GDocument& d = *c.m_Doc;
  GGesture& g = c.Gesture();
  if (IsTovik(&c)) {
    ClearPointHilights(d);
    SetToolMode(kModeLineWithAngle);
    if (d.Selection().Angles().Count() > 0)
      g.SetCurrentAngle(d.Selection().Angles()[0]);
    else
      ChooseAngle(c);
  } else if (IsQuilOrPanel(&c)) {
    if (d.Selection().Angles().Count() > 0 || ChooseAngle(c)) g.ConstDefLineWithAngle();
    enableToolbar();
  }
  c.Refresh(false);
}

// Text and Image: a tool in Tovik style; elsewhere they arm the next placing
// click, and arming one disarms the other.
void MyFrame::OnModeText(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) {
    SetToolMode(kModeText);
  } else if (IsQuilOrPanel(m_Canvas)) {
    m_Canvas->m_Tool.ArmText(!m_Canvas->m_Tool.m_TextArmed);
    m_Canvas->m_Tool.ArmImage(false);
    enableToolbar();
  }
}
void MyFrame::OnModeImage(wxCommandEvent&) {
  if (IsTovik(m_Canvas)) {
    SetToolMode(kModeImage);
  } else if (IsQuilOrPanel(m_Canvas)) {
    m_Canvas->m_Tool.ArmImage(!m_Canvas->m_Tool.m_ImageArmed);
    m_Canvas->m_Tool.ArmText(false);
    enableToolbar();
  }
}

void MyFrame::OnIdModeTangent(wxCommandEvent&) {}
void MyFrame::OnIdModeCircleBy3(wxCommandEvent&) {}
