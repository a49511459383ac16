// The canvas window: construction, the view, the paint cycle through the two
// off-screen pictures, the repaint timer, resizing with the rescaling of
// texts, zooming and the benchmark command.
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/stopwatch.h>

#include "render/MyCanvas.h"

// clang-format off
wxBEGIN_EVENT_TABLE(MyCanvas, wxWindow)
  EVT_PAINT(MyCanvas::OnPaint)
  EVT_ERASE_BACKGROUND(MyCanvas::OnEraseBG)
  EVT_TIMER(kRepaintTimerId, MyCanvas::OnTimer)
  EVT_MOUSE_EVENTS(MyCanvas::OnMouseEvent)
  EVT_LEAVE_WINDOW(MyCanvas::LeaveWindow)
wxEND_EVENT_TABLE()
    // clang-format on

    int InitScreenBmp() {
  return 1;
}

namespace {
wxSize ClientBelowToolbar(wxFrame* frame, int toolbar) {
  const wxSize s = frame->GetClientSize();
  return wxSize(std::max(1, s.x), std::max(1, s.y - toolbar));
}
}  // namespace

MyCanvas::MyCanvas(wxFrame* frame, GUser* user)
    : wxWindow(frame, wxID_ANY, wxPoint(0, 32), ClientBelowToolbar(frame, 32)),
      m_Doc(std::make_unique<GDocument>(user)),
      m_Frame(frame),
      m_Width(frame->GetClientSize().x),
      m_Height(frame->GetClientSize().y),
      m_OldWidth(m_Width),
      m_OldHeight(m_Height),
      m_Scale(m_Doc->m_Scale),
      m_XMin(m_Doc->m_XMin),
      m_XMax(m_Doc->m_XMax),
      m_YMin(m_Doc->m_YMin),
      m_YMax(m_Doc->m_YMax),
      m_PickDistance(m_Doc->m_PickDistance),
      m_PickDistance2(m_Doc->m_PickDistance2),
      m_Timer(this, kRepaintTimerId) {
  // Every pixel is painted from the off-screen picture: no erasing, no flicker.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_Scale = 0.01;
  m_PickDistance = 0.1;
  m_PickDistance2 = 0.01;
  m_Timer.Start(100);
  SetTheme(THM_STANDARD, 0);
  m_Doc->m_PointMode = kPointMode0;
  m_Doc->m_LineMode = kLineMode0;
  m_Doc->m_AngleMode = kAngleMode0;
  UpdateView();
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  // From here on sheet switches and scripts reach the drawing state.
  m_Doc->m_Hooks = this;
}

MyCanvas::~MyCanvas() {
  m_Doc->m_Hooks = nullptr;
  m_Timer.Stop();
}

GView MyCanvas::View() const {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Scale;
  v.centerX = m_CenterX;
  v.centerY = m_CenterY;
  v.width = m_Width;
  v.height = m_Height;
  v.xMin = m_XMin;
  v.xMax = m_XMax;
  v.yMin = m_YMin;
  v.yMax = m_YMax;
  return v;
}

void MyCanvas::UpdateView() {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Scale;
  v.Update(m_Width, m_Height);
  m_CenterX = v.centerX;
  m_CenterY = v.centerY;
  m_ViewRect = wxRect(0, 0, m_Width, m_Height);
  m_XMin = v.xMin;
  m_XMax = v.xMax;
  m_YMin = v.yMin;
  m_YMax = v.yMax;
  // Files record the window they were made in, and a file read into a window
  // of another size has its texts and view scaled to this one.
  m_Doc->m_WindowWidth = m_Width;
  m_Doc->m_WindowHeight = m_Height;
}

void MyCanvas::PushViewToConsts() {
  for (GConst* c = m_Doc->FirstConst(); c; c = c->next) {
    c->viewScale = m_Scale;
    c->viewLeft = m_XMin;
    c->viewRight = m_XMax;
    c->viewTop = m_YMax;
    c->viewBottom = m_YMin;
  }
  if (m_Doc->FirstConst()) m_Doc->EvaluateConst(m_Doc->FirstConst());
}

void MyCanvas::OnModeZoomIn(double factor) {
  if (factor > 0 && m_Scale > 0.001) {
    m_Scale /= factor;
    m_PickDistance /= factor;
  }
  m_PickDistance2 = m_PickDistance * m_PickDistance;
  UpdateView();
  PushViewToConsts();
  Refresh(false);
}

void MyCanvas::OnModeZoomOut(double factor) {
  if (factor > 0 && m_Scale < 0.1) {
    m_Scale *= factor;
    m_PickDistance *= factor;
  }
  m_PickDistance2 = m_PickDistance * m_PickDistance;
  UpdateView();
  PushViewToConsts();
  Refresh(false);
}

void MyCanvas::EnsurePictures() {
  const int w = std::max(1, m_Width), h = std::max(1, m_Height);
  if (m_ScreenBmp.IsOk() && m_ScreenBmp.GetWidth() >= w && m_ScreenBmp.GetHeight() >= h) return;
  // Grow only: a window that shrinks and grows again keeps its pictures.
  const int nw = std::max(w, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetWidth() : 0);
  const int nh = std::max(h, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetHeight() : 0);
  m_ScreenBmp = wxBitmap(nw, nh, 24);
  m_BgBmp = wxBitmap(nw, nh, 24);
  m_BgDrawn = false;
}

void MyCanvas::DrawBackGround(wxDC& dc) {
  const BGBmp& bg = m_Look.bg;
  if (!bg.tile.IsOk() || bg.width <= 0 || bg.height <= 0) {
    dc.SetBackground(wxBrush(bg.colour.Colour()));
    dc.Clear();
    return;
  }
  for (int i = 0; i <= m_Width / bg.width; ++i)
    for (int j = 0; j <= m_Height / bg.height; ++j)
      dc.DrawBitmap(bg.tile, i * bg.width, j * bg.height, false);
}

void MyCanvas::RenderToScreenPicture() {
  EnsurePictures();
  if (!m_BgDrawn) {
    wxMemoryDC bg(m_BgBmp);
    DrawBackGround(bg);
    m_BgDrawn = true;
  }
  wxMemoryDC bg(m_BgBmp);
  wxMemoryDC screen(m_ScreenBmp);
  screen.Blit(0, 0, m_Width, m_Height, &bg, 0, 0);
  OnDraw(screen);
}

void MyCanvas::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  RenderToScreenPicture();
  wxMemoryDC screen(m_ScreenBmp);
  dc.Blit(0, 0, m_Width, m_Height, &screen, 0, 0);
  m_RefreshPending = false;
}

void MyCanvas::OnEraseBG(wxEraseEvent&) {}

void MyCanvas::OnTimer(wxTimerEvent&) { Refresh(false); }

void MyCanvas::OnSize() {
  SetSize(0, m_ToolbarHeight, m_Width, std::max(1, m_Height - m_ToolbarHeight));
  convert_textsize();
  UpdateView();
  PushViewToConsts();
  m_BgDrawn = false;
  EnsurePictures();
}

void MyCanvas::convert_textsize() {
  if (m_Width == m_OldWidth && m_Height == m_OldHeight) return;
  // Texts keep their place and size relative to the window. A window folded
  // to (almost) nothing is not a size to scale by: the ratio would be zero or
  // negative and would wreck every text and the scale.
  if (m_Width <= 0 || m_Height <= 50 || m_OldWidth <= 0 || m_OldHeight <= 50) return;
  const double rx = (double)m_Width / m_OldWidth;
  const double ry = (double)(m_Height - 50) / (m_OldHeight - 50);
  for (int s = 0; s < m_Doc->m_SheetCount; ++s) {
    for (GText* t = m_Doc->m_Sheets[s].texts.head; t; t = t->next) {
      t->x *= rx;
      t->y *= ry;
      t->fontSize *= ry;
    }
  }
  OnModeZoomIn(ry);
  m_OldWidth = m_Width;
  m_OldHeight = m_Height;
}

void MyCanvas::OnBenchMark() {
  wxStopWatch sw;
  long times[4] = {0, 0, 0, 0};
  EnsurePictures();
  sw.Start();
  for (int i = 0; i < 1000; ++i)
    if (m_Doc->FirstConst()) m_Doc->EvaluateConst(m_Doc->FirstConst());
  times[0] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxMemoryDC bg(m_BgBmp);
    DrawBackGround(bg);
  }
  times[1] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxMemoryDC screen(m_ScreenBmp);
    OnDraw(screen);
  }
  times[2] = sw.Time();
  sw.Start();
  for (int i = 0; i < 1000; ++i) {
    wxClientDC dc(this);
    wxMemoryDC screen(m_ScreenBmp);
    dc.Blit(0, 0, m_Width, m_Height, &screen, 0, 0);
  }
  times[3] = sw.Time();
  m_Doc->m_User->ShowMessage(
      wxString::Format("evaluate const. = %ld(us)\ndraw background = %ld(us)\ndraw elements= "
                       "%ld(us)\nblit all = %ld(us)\n",
                       times[0], times[1], times[2], times[3]),
      "Benchmark Test", GUser::kInformation);
}
