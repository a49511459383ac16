// The canvas window: construction, the paint cycle through the painter's two
// off-screen pictures, the repaint timer, resizing, zooming and the benchmark
// command.
#include <wx/translation.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>

#include "model/ViewSteps.h"
#include "model/Translate.h"
#include "interaction/MyCanvas.h"
#include "interaction/ToolHints.h"
#include "model/AppFolders.h"
#include "model/LogFile.h"
#include "model/Prefs.h"

// clang-format off
wxBEGIN_EVENT_TABLE(MyCanvas, wxWindow)
  EVT_PAINT(MyCanvas::OnPaint)
  EVT_ERASE_BACKGROUND(MyCanvas::OnEraseBG)
  EVT_TIMER(kRepaintTimerId, MyCanvas::OnTimer)
  EVT_MOUSE_EVENTS(MyCanvas::OnMouseEvent)
  EVT_LEAVE_WINDOW(MyCanvas::LeaveWindow)
wxEND_EVENT_TABLE()
    // clang-format on

    namespace {
  wxSize ClientBelowToolbar(wxFrame * frame, int toolbar) {
    const wxSize s = frame->GetClientSize();
    return wxSize(std::max(1, s.x), std::max(1, s.y - toolbar));
  }
}  // namespace

MyCanvas::MyCanvas(wxFrame* frame, GUser* user)
    : wxWindow(frame, wxID_ANY, wxPoint(0, 32), ClientBelowToolbar(frame, 32)),
      m_Doc(std::make_unique<GDocument>(user)),
      m_Frame(frame),
      m_Tool(*m_Doc),
      m_Painter(*m_Doc),
      m_Timer(this, kRepaintTimerId) {
  // Every pixel is painted from the off-screen picture: no erasing, no flicker.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_Painter.m_Width = m_Painter.m_OldWidth = frame->GetClientSize().x;
  m_Painter.m_Height = m_Painter.m_OldHeight = frame->GetClientSize().y;
  m_Doc->Viewport().Reset();
  m_Doc->Actions().Image().SetLooksKeeper(this);
  m_Timer.Start(100);
  m_Painter.SetTheme(THM_STANDARD, 0);
  m_Doc->Defaults().SetPointMode(kPointMode0);
  m_Doc->Defaults().SetLineMode(kLineMode0);
  m_Doc->Defaults().SetAngleMode(kAngleMode0);
  m_Painter.UpdateView();
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  // The settings of the last run; whatever they say about the log, every run
  // starts with logging on and says so in the day's log.
  m_PrefPath = InFolder(ResolveAppFolders().config, kPrefFileName);
  ReadPrefFile();
  m_Doc->SetWriteLog(true);
  WriteLogFile(StartLogLine(LocalNow()));
  // From here on sheet switches and scripts reach the drawing state.
  m_Doc->SetHooks(this);
}

MyCanvas::~MyCanvas() {
  m_Doc->SetHooks(nullptr);
  m_Timer.Stop();
}

void MyCanvas::OnModeZoomIn(double factor) {
  m_Painter.ZoomIn(factor);
  Refresh(false);
}

void MyCanvas::OnModeZoomOut(double factor) {
  m_Painter.ZoomOut(factor);
  Refresh(false);
}

// A slide-show step changes what is shown before it is drawn; the status
// bar names the sheet and, beside it, guides the person.
GOverlay MyCanvas::PrepareDrawing() {
  if (m_Tool.m_SlideShow && !m_Tool.m_SlideWaitClick && m_Tool.m_AnimStep) m_Tool.m_AnimStep();
  if (wxStatusBar* bar = m_Frame ? m_Frame->GetStatusBar() : nullptr) {
    const wxString text =
        wxString::Format(_("Sheet: %d/%d"), m_Doc->CurrentSheetIndex() + 1, m_Doc->SheetCount());
    if (bar->GetStatusText(0) != text) bar->SetStatusText(text, 0);
    const wxString hint = wxString::FromUTF8(Guidance());
    if (bar->GetFieldsCount() > 1 && bar->GetStatusText(1) != hint) bar->SetStatusText(hint, 1);
  }
  return m_Tool.Overlay();
}

std::string MyCanvas::Guidance() {
  if (m_Tool.m_SlideShow) return "";
  const std::string hint = ToolHint(m_Tool.m_GMode, m_Tool.m_Mode, Gesture(), *m_Doc);
  // A step that is new at the end of the sheet's list, once the gesture that
  // makes it is over, is what the last action made; it is said until the
  // tool asks for something else. An undo or a sheet switch says nothing.
  if (!Gesture().Placing()) {
    int steps = 0;
    GConst* last = nullptr;
    for (GConst* c = m_Doc->FirstConst(); c; c = c->next, ++steps) last = c;
    const unsigned serial = last ? last->serial : 0;
    if (steps != m_SeenSteps || serial != m_SeenSerial)
      m_LastMade = steps > m_SeenSteps && last ? MadeText(last) : "";
    else if (hint != m_LastHint)
      m_LastMade.clear();
    m_SeenSteps = steps;
    m_SeenSerial = serial;
  }
  m_LastHint = hint;
  return m_LastMade.empty() ? hint : m_LastMade + ". " + hint;
}

void MyCanvas::OnDraw(wxDC& dc) { m_Painter.Draw(dc, PrepareDrawing()); }

void MyCanvas::RenderToScreenPicture() { m_Painter.RenderToScreenPicture(PrepareDrawing()); }

void MyCanvas::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  RenderToScreenPicture();
  wxMemoryDC screen(ScreenPicture());
  dc.Blit(0, 0, m_Painter.m_Width, m_Painter.m_Height, &screen, 0, 0);
  m_RefreshPending = false;
  ++m_FramesPainted;
  NoteShown();
}

void MyCanvas::NoteShown() {
  const GOverlay o = m_Tool.Overlay();
  m_ShownPrint = FramePrint(m_Painter.Paint(o), o);
}

void MyCanvas::OnEraseBG(wxEraseEvent&) {}

void MyCanvas::Refresh(bool eraseBackground, const wxRect* rect) {
  if (!m_Tool.m_LeftDown && !m_Tool.m_SlideShow && !m_KeepStill) m_Painter.DropStill();
  m_KeepStill = false;
  wxWindow::Refresh(eraseBackground, rect);
}

bool MyCanvas::TickWouldPaint() {
  if (m_Tool.m_SlideShow) return true;
  const GOverlay o = m_Tool.Overlay();
  const GPaint g = m_Painter.Paint(o);
  return Animates(g, o) || FramePrint(g, o) != m_ShownPrint;
}

void MyCanvas::OnTimer(wxTimerEvent&) {
  if (m_OnTick) m_OnTick();
  if (TickWouldPaint()) wxWindow::Refresh(false);
}

void MyCanvas::OnSize() {
  CanvasPainter& p = m_Painter;
  SetSize(0, p.m_ToolbarHeight, p.m_Width, std::max(1, p.m_Height - p.m_ToolbarHeight));
  p.convert_textsize();
  p.UpdateView();
  PushViewToConsts(*m_Doc);
  p.m_BgDrawn = false;
  p.EnsurePictures();
  m_Slides.WindowChanged();
  Refresh(false);
}

void MyCanvas::OnBenchMark() {
  wxStopWatch sw;
  long times[4] = {0, 0, 0, 0};
  m_Painter.EnsurePictures();
  sw.Start();
  for (int i = 0; i < 1000; ++i)
    if (m_Doc->FirstConst()) m_Doc->EvaluateConst(m_Doc->FirstConst());
  times[0] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxMemoryDC bg(m_Painter.BackgroundPicture());
    m_Painter.DrawBackGround(bg);
  }
  times[1] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxMemoryDC screen(ScreenPicture());
    OnDraw(screen);
  }
  times[2] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxClientDC dc(this);
    wxMemoryDC screen(ScreenPicture());
    dc.Blit(0, 0, m_Painter.m_Width, m_Painter.m_Height, &screen, 0, 0);
  }
  times[3] = sw.Time();
  m_Doc->User().ShowMessage(
      wxString::Format(_("evaluate const. = %ld(us)\ndraw background = %ld(us)\ndraw elements= "
                         "%ld(us)\nblit all = %ld(us)\n"),
                       times[0], times[1], times[2], times[3])
          .utf8_string(),
      N_("Benchmark Test"), GUser::kInformation);
}
