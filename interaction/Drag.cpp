// The Move tool: the press picks a point, a text, an image (its body or a
// corner handle), a bracket or, with Shift, a point's name; each drag step
// moves it, the figure following a dragged point; the release ends the drag.
#include <algorithm>
#include <cmath>
#include <wx/time.h>

#include "interaction/MyCanvas.h"

namespace {

constexpr int kMinImageSize = 8;    // pixels: a resized image never vanishes
constexpr long kTrailPeriod = 200;  // ms between two afterimage generations

long NowMillis() { return (long)wxGetLocalTimeMillis().GetValue(); }

// Puts the dragged corner of an image at (cx, cy); the opposite corner stays.
// The shown picture is rescaled from the picture as loaded, so repeated
// resizing does not wear it down.
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
  auto* pic = dynamic_cast<GWxPicture*>(im->picture);
  if (pic && pic->loaded.IsOk())
    pic->bitmap = wxBitmap(pic->loaded.Scale(im->width, im->height, wxIMAGE_QUALITY_NORMAL));
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
  GSheet& s = m_Doc->Sheet();
  const double x = WorldX(pos.x), y = WorldY(pos.y);
  m_Tool.m_MovingPoint = m_Tool.m_MovingText = m_Tool.m_MovingName = m_Tool.m_MovingBracket = false;
  m_Tool.m_MovingImage = 0;

  double nx = x, ny = y;
  GPoint* p = nullptr;
  m_Tool.m_MovingPoint = m_Doc->NearPoint(s.points.head, &nx, &ny, &p);
  m_Tool.m_PickedPoint = m_Tool.m_MovingPoint ? p : nullptr;
  if (p) {
    // The point keeps its distance to the pointer instead of jumping to it.
    m_Tool.m_GrabOffsetX = p->xz().re - x;
    m_Tool.m_GrabOffsetY = p->yz().re - y;
    m_Tool.m_DragStarted = NowMillis();
    if (m_Tool.m_CloneOn) OnCloneOn();
    m_Tool.m_PanelPickedPoint = true;
    m_Tool.m_Dragging = true;
    // The displacement of an earlier drag says nothing about this one: the
    // intersections must not predict their branch from it.
    for (GPoint* q = s.points.head; q; q = q->next) q->dX = q->dY = 0;
  }
  if (!m_Tool.Shift()) m_Doc->ClearAllHilights();
  if (p) {
    m_Doc->Sethilighted(p);
    return;
  }
  if (Snap2Text(s.texts.head, pos.x, pos.y)) {
    m_Tool.m_MovingText = true;
    m_Tool.m_PanelPickedText = true;
    m_Tool.m_PickedText->hilighted = 1;
    return;
  }
  m_Tool.m_MovingImage = m_Doc->Snap2Image(s.images.head, pos.x, pos.y);
  if (m_Tool.m_MovingImage) {
    GImage* im = m_Doc->m_PickedImage;
    im->hilighted = 1;
    // An image placed before its loaded picture was kept resizes from what it shows.
    auto* pic = dynamic_cast<GWxPicture*>(im->picture);
    if (m_Tool.m_MovingImage > 1 && pic && !pic->loaded.IsOk() && pic->bitmap.IsOk())
      pic->loaded = pic->bitmap.ConvertToImage();
    return;
  }
  m_Tool.m_MovingBracket = m_Doc->Snap2Bracket(s.brackets.head, x, y);
  if (m_Tool.m_MovingBracket) {
    m_Doc->Sethilighted(m_Doc->m_PickedBracket);
    return;
  }
  if (m_Tool.Shift() && Snap2PtName(s.points.head, pos.x, pos.y)) {
    m_Tool.m_MovingName = true;
    m_Tool.m_PanelPickedName = true;
  }
}

void MyCanvas::LDrag_Move(wxPoint& pos) {
  const double x = WorldX(pos.x), y = WorldY(pos.y);
  if (m_Tool.m_MovingPoint) {
    if (!m_Tool.m_PickedPoint) return;
    const long now = NowMillis();
    if (now - m_Tool.m_DragStarted > kTrailPeriod) {
      if (m_Tool.m_CloneOn) {
        // Each generation takes the positions of the one before it.
        GSheet& s = m_Doc->Sheet();
        for (int g = 2; g > 0; --g) {
          m_Doc->copyToPClone(m_Tool.m_AfterPoints[g].head, m_Tool.m_AfterPoints[g - 1].head);
          m_Doc->copyToLClone(m_Tool.m_AfterLines[g].head, m_Tool.m_AfterLines[g - 1].head);
          m_Doc->copyToCClone(m_Tool.m_AfterCircles[g].head, m_Tool.m_AfterCircles[g - 1].head);
        }
        m_Doc->copyToPClone(m_Tool.m_AfterPoints[0].head, s.points.head);
        m_Doc->copyToLClone(m_Tool.m_AfterLines[0].head, s.lines.head);
        m_Doc->copyToCClone(m_Tool.m_AfterCircles[0].head, s.circles.head);
        Refresh(false);
      } else if (AnimatedHilightTheme(m_Painter.m_Look.theme) && m_Doc->m_HiPoints.count > 0) {
        Refresh(false);  // keeps the hilight animation of these themes going
      }
      m_Tool.m_DragStarted = now;
    }
    // Free points go to the target, bound ones slide along their carrier;
    // intersections and other constructed points do not move.
    if (m_Doc->MovePoint(m_Tool.m_PickedPoint, x + m_Tool.m_GrabOffsetX, y + m_Tool.m_GrabOffsetY))
      m_RefreshPending = true;
  } else if (m_Tool.m_MovingText) {
    if (!m_Tool.m_PickedText) return;
    m_Tool.m_PickedText->x = pos.x - m_Tool.m_TextGrabX;
    m_Tool.m_PickedText->y = pos.y - m_Tool.m_TextGrabY;
    m_RefreshPending = true;
  } else if (m_Tool.m_MovingImage) {
    GImage* im = m_Doc->m_PickedImage;
    if (!im) return;
    const int cx = pos.x - m_Doc->m_ImageGrabX, cy = pos.y - m_Doc->m_ImageGrabY;
    if (m_Tool.m_MovingImage == 1) {
      im->x = cx;
      im->y = cy;
    } else {
      ResizeImage(im, m_Tool.m_MovingImage, cx, cy);
    }
    m_RefreshPending = true;
  } else if (m_Tool.m_MovingBracket) {
    GBracket* b = m_Doc->m_PickedBracket;
    double bulge = 0;
    // Beyond half the chord the bracket would fold over: keep the last value inside.
    if (b && BulgeToward(b, x, y, &bulge) && bulge > -0.5 && bulge < 0.5) b->bulge = bulge;
    m_RefreshPending = true;
  } else if (m_Tool.m_MovingName) {
    GPoint* p = m_Tool.m_PickedName;
    if (!p || p->z.zerop()) return;
    const CComplex px = p->xz(), py = p->yz();
    if (!px.realp() || !py.realp()) return;
    const GView v = View();
    p->nameAngle = std::atan2((double)(v.PixelY(py.re) - pos.y), (double)(pos.x - v.PixelX(px.re)));
    m_RefreshPending = true;
  }
}

void MyCanvas::LUp_Move(wxPoint&) {
  if (m_Tool.m_MovingPoint) {
    m_Tool.m_MovingPoint = false;
    OnCloneOff();
  }
  m_Tool.m_Dragging = false;
  m_Doc->m_MovingPoint = nullptr;
  if (!m_Tool.Shift())
    for (GPoint* q = m_Doc->Sheet().points.head; q; q = q->next) q->hilighted = 0;
  if (m_Tool.m_PickedPoint) {
    m_Doc->Sethilighted(m_Tool.m_PickedPoint);
    m_Tool.m_PickedPoint = nullptr;
  }
  m_Tool.m_MovingText = m_Tool.m_MovingName = m_Tool.m_MovingBracket = false;
  m_Tool.m_MovingImage = 0;
  m_Tool.m_PickedText = nullptr;
}

// ---- afterimages ----

void MyCanvas::OnCloneOn() {
  OnCloneOff();  // a drag that never saw its release leaves no copies behind
  GSheet& s = m_Doc->Sheet();
  for (int g = 0; g < 3; ++g) {
    m_Tool.m_AfterPoints[g].head =
        m_Doc->makePClone(g ? m_Tool.m_AfterPoints[g - 1].head : s.points.head);
    m_Tool.m_AfterLines[g].head =
        m_Doc->makeLClone(g ? m_Tool.m_AfterLines[g - 1].head : s.lines.head);
    m_Tool.m_AfterCircles[g].head =
        m_Doc->makeCClone(g ? m_Tool.m_AfterCircles[g - 1].head : s.circles.head);
    m_Tool.m_AfterPoints[g].FixTail();
    m_Tool.m_AfterLines[g].FixTail();
    m_Tool.m_AfterCircles[g].FixTail();
  }
}

void MyCanvas::OnCloneOff() {
  for (int g = 0; g < 3; ++g) {
    if (m_Tool.m_AfterPoints[g].head) m_Doc->deletePClone(m_Tool.m_AfterPoints[g].head);
    if (m_Tool.m_AfterLines[g].head) m_Doc->deleteLClone(m_Tool.m_AfterLines[g].head);
    if (m_Tool.m_AfterCircles[g].head) m_Doc->deleteCClone(m_Tool.m_AfterCircles[g].head);
    m_Tool.m_AfterPoints[g].Reset();
    m_Tool.m_AfterLines[g].Reset();
    m_Tool.m_AfterCircles[g].Reset();
  }
}
