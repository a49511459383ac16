// The Move tool: the press picks a point, a text, an image (its body or a
// corner handle), a bracket or, with Shift, a point's name; each drag step
// moves it, the figure following a dragged point; the release ends the drag.
#include <algorithm>
#include <cmath>
#include <wx/time.h>

#include "model/Afterimages.h"
#include "interaction/MyCanvas.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {

constexpr int kMinImageSize = 8;    // pixels: a resized image never vanishes
constexpr long kTrailPeriod = 200;  // ms between two afterimage generations

long NowMillis() { return (long)wxGetLocalTimeMillis().GetValue(); }

}  // namespace

// The shown picture is rescaled from the picture as loaded, so repeated
// resizing does not wear it down.
void FitShownPicture(GImage* im) {
  auto* pic = dynamic_cast<GWxPicture*>(im->picture);
  if (!pic || (pic->shown.width == im->width && pic->shown.height == im->height)) return;
  if (!pic->loaded.IsOk() && !pic->shown.Empty()) pic->loaded = ImageFromRaster(pic->shown);
  if (pic->loaded.IsOk() && im->width > 0 && im->height > 0)
    pic->Show(pic->loaded.Scale(im->width, im->height, wxIMAGE_QUALITY_NORMAL));
}

namespace {

// Puts the dragged corner of an image at (cx, cy); the opposite corner stays.
void ResizeImage(GImage* im, int handle, int cx, int cy) {
  int left = im->x, top = im->y, right = im->x + im->width, bottom = im->y + im->height;
  const bool leftSide = handle == 2 || handle == 3, topSide = handle == 2 || handle == 4;
  if (leftSide)
    left = std::min(cx, right - kMinImageSize);
  else
    right = std::max(cx, left + kMinImageSize);
  if (topSide)
    top = std::min(cy, bottom - kMinImageSize);
  else
    bottom = std::max(cy, top + kMinImageSize);
  im->x = left;
  im->y = top;
  im->width = right - left;
  im->height = bottom - top;
  FitShownPicture(im);
}

// The bulge that puts the bracket's apex (its midpoint plus bulge times the
// chord turned a quarter) nearest to (x, y). False for a bracket without
// real, distinct ends.
bool BulgeToward(const GBracket* b, double x, double y, double* bulge) {
  if (b->z1.zerop() || b->z2.zerop()) return false;
  const CComplex x1 = b->x1 / b->z1, y1 = b->y1 / b->z1;
  const CComplex x2 = b->x2 / b->z2, y2 = b->y2 / b->z2;
  if (!x1.realp() || !y1.realp() || !x2.realp() || !y2.realp()) return false;
  const double nx = y2.re - y1.re, ny = x1.re - x2.re;
  const double len2 = nx * nx + ny * ny;
  if (len2 == 0) return false;
  const double mx = (x1.re + x2.re) / 2, my = (y1.re + y2.re) / 2;
  *bulge = ((x - mx) * nx + (y - my) * ny) / len2;
  return true;
}

}  // namespace

void MyCanvas::LDown_Move(wxPoint& pos) {
  ToolState& t = m_Tool;
  GSheet& s = m_Doc->Sheet();
  const double x = WorldX(pos.x), y = WorldY(pos.y);
  t.m_MovingText = t.m_MovingName = t.m_MovingBracket = false;
  t.m_MovingImage = 0;

  double nx = x, ny = y;
  GPoint* p = nullptr;
  t.m_MovingPoint = Gesture().NearPoint(s.points.head, &nx, &ny, &p);
  t.m_PickedPoint = t.m_MovingPoint ? p : nullptr;
  if (p) {
    // The point keeps its distance to the pointer instead of jumping to it.
    t.m_GrabOffsetX = p->xz().re - x;
    t.m_GrabOffsetY = p->yz().re - y;
    t.m_DragStarted = NowMillis();
    if (t.m_CloneOn) OnCloneOn();
    t.m_PanelPickedPoint = true;
    t.m_Dragging = true;
  }
  // The press of the document's drag: the selection and the motion records.
  Gesture().BeginDrag(p, t.Shift());
  if (p) return;
  if (Snap2Text(s.texts.head, pos.x, pos.y)) {
    t.m_MovingText = true;
    t.m_PanelPickedText = true;
    t.m_PickedText->hilighted = 1;
    return;
  }
  t.m_MovingImage = Gesture().Snap2Image(s.images.head, pos.x, pos.y);
  if (t.m_MovingImage) {
    GImage* im = Gesture().PickedImage();
    im->hilighted = 1;
    return;
  }
  t.m_MovingBracket = Gesture().Snap2Bracket(s.brackets.head, x, y);
  if (t.m_MovingBracket) {
    m_Doc->Sethilighted(Gesture().PickedBracket());
    return;
  }
  if (t.Shift() && Snap2PtName(s.points.head, pos.x, pos.y)) {
    t.m_MovingName = true;
    t.m_PanelPickedName = true;
  }
}

// Every 200 ms of a point drag the afterimages move down a generation, or
// the animated hilight of some themes gets a frame.
void MyCanvas::DragTrail() {
  ToolState& t = m_Tool;
  const long now = NowMillis();
  if (now - t.m_DragStarted <= kTrailPeriod) return;
  if (t.m_CloneOn) {
    // Each generation takes the positions of the one before it.
    GSheet& s = m_Doc->Sheet();
    for (int g = 2; g > 0; --g) {
      copyToPClone(t.m_AfterPoints[g].head, t.m_AfterPoints[g - 1].head);
      copyToLClone(t.m_AfterLines[g].head, t.m_AfterLines[g - 1].head);
      copyToCClone(t.m_AfterCircles[g].head, t.m_AfterCircles[g - 1].head);
    }
    copyToPClone(t.m_AfterPoints[0].head, s.points.head);
    copyToLClone(t.m_AfterLines[0].head, s.lines.head);
    copyToCClone(t.m_AfterCircles[0].head, s.circles.head);
    Refresh(false);
  } else if (AnimatedHilightTheme(m_Painter.m_Look.theme) &&
             m_Doc->Selection().Points().Count() > 0) {
    Refresh(false);  // keeps the hilight animation of these themes going
  }
  t.m_DragStarted = now;
}

void MyCanvas::LDrag_Move(wxPoint& pos) {
  ToolState& t = m_Tool;
  const double x = WorldX(pos.x), y = WorldY(pos.y);
  if (t.m_MovingPoint) {
    if (!t.m_PickedPoint) return;
    DragTrail();
    // Free points go to the target, bound ones slide along their carrier;
    // intersections and other constructed points do not move.
    if (Gesture().DragTo(x + t.m_GrabOffsetX, y + t.m_GrabOffsetY)) m_RefreshPending = true;
  } else if (t.m_MovingText) {
    if (!t.m_PickedText) return;
    t.m_PickedText->x = pos.x - t.m_TextGrabX;
    t.m_PickedText->y = pos.y - t.m_TextGrabY;
    m_RefreshPending = true;
  } else if (t.m_MovingImage) {
    GImage* im = Gesture().PickedImage();
    if (!im) return;
    const int cx = pos.x - Gesture().ImageGrabX(), cy = pos.y - Gesture().ImageGrabY();
    if (t.m_MovingImage == 1) {
      im->x = cx;
      im->y = cy;
    } else {
      ResizeImage(im, t.m_MovingImage, cx, cy);
    }
    m_RefreshPending = true;
  } else if (t.m_MovingBracket) {
    GBracket* b = Gesture().PickedBracket();
    double bulge = 0;
    // Beyond half the chord the bracket would fold over: keep the last value inside.
    if (b && BulgeToward(b, x, y, &bulge) && bulge > -0.5 && bulge < 0.5) b->bulge = bulge;
    m_RefreshPending = true;
  } else if (t.m_MovingName) {
    GPoint* p = t.m_PickedName;
    if (!p || p->z.zerop()) return;
    const CComplex px = p->xz(), py = p->yz();
    if (!px.realp() || !py.realp()) return;
    const GView v = View();
    p->nameAngle = std::atan2((double)(v.PixelY(py.re) - pos.y), (double)(pos.x - v.PixelX(px.re)));
    m_RefreshPending = true;
  }
}

// What a drag did, for the history: "move point A".
std::string MyCanvas::DragLabel() {
  const ToolState& t = m_Tool;
  if (t.m_MovingPoint && m_Doc->MovingPoint())
    return StrFormat(Tr(N_("move point %s")), m_Doc->MovingPoint()->name.c_str());
  if (t.m_MovingText) return Tr(N_("move a text"));
  if (t.m_MovingName) return Tr(N_("move a name"));
  if (t.m_MovingImage == 1) return Tr(N_("move an image"));
  if (t.m_MovingImage) return Tr(N_("resize an image"));
  if (t.m_MovingBracket) return Tr(N_("bend a bracket"));
  return std::string();
}

void MyCanvas::LUp_Move(wxPoint&) {
  ToolState& t = m_Tool;
  if (const std::string label = DragLabel(); !label.empty()) m_Doc->Actions().Name(label);
  if (t.m_MovingPoint) OnCloneOff();
  // The release of the document's drag: the held point stays hilighted.
  Gesture().EndDrag(t.Shift());
  t.m_Dragging = false;
  t.m_PickedPoint = nullptr;
  t.m_MovingPoint = t.m_MovingText = t.m_MovingName = t.m_MovingBracket = false;
  t.m_MovingImage = 0;
  t.m_PickedText = nullptr;
}

// ---- afterimages ----

void MyCanvas::OnCloneOn() {
  OnCloneOff();  // a drag that never saw its release leaves no copies behind
  GSheet& s = m_Doc->Sheet();
  for (int g = 0; g < 3; ++g) {
    m_Tool.m_AfterPoints[g].head =
        makePClone(*m_Doc, g ? m_Tool.m_AfterPoints[g - 1].head : s.points.head);
    m_Tool.m_AfterLines[g].head =
        makeLClone(*m_Doc, g ? m_Tool.m_AfterLines[g - 1].head : s.lines.head);
    m_Tool.m_AfterCircles[g].head =
        makeCClone(*m_Doc, g ? m_Tool.m_AfterCircles[g - 1].head : s.circles.head);
    m_Tool.m_AfterPoints[g].FixTail();
    m_Tool.m_AfterLines[g].FixTail();
    m_Tool.m_AfterCircles[g].FixTail();
  }
}

void MyCanvas::OnCloneOff() {
  for (int g = 0; g < 3; ++g) {
    if (m_Tool.m_AfterPoints[g].head) deletePClone(*m_Doc, m_Tool.m_AfterPoints[g].head);
    if (m_Tool.m_AfterLines[g].head) deleteLClone(*m_Doc, m_Tool.m_AfterLines[g].head);
    if (m_Tool.m_AfterCircles[g].head) deleteCClone(*m_Doc, m_Tool.m_AfterCircles[g].head);
    m_Tool.m_AfterPoints[g].Reset();
    m_Tool.m_AfterLines[g].Reset();
    m_Tool.m_AfterCircles[g].Reset();
  }
}
