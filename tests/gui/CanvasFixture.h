// A canvas in a bare frame for drawing tests: a fixed 800x600 client area,
// a plain background of the theme's colour, and pixel access to the picture.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <wx/frame.h>
#include <wx/image.h>

#include "core/Recorder.h"
#include "interaction/MyCanvas.h"
#include "model/Invariants.h"

// Tool modes and styles print as the numbers they are stored by.
inline std::ostream& operator<<(std::ostream& o, GToolMode m) { return o << ModeNumber(m); }
inline std::ostream& operator<<(std::ostream& o, GStyle s) { return o << StyleNumber(s); }

class CanvasTest : public ::testing::Test {
 protected:
  RecordingUser user;
  wxFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;
  GDocument* doc = nullptr;
  GGesture* gesture = nullptr;  // the canvas's tools: holds, builders, placing
  wxImage picture;

  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "canvas test", wxPoint(0, 0), wxSize(800, 632));
    canvas = new MyCanvas(frame, &user);
    doc = canvas->m_Doc.get();
    gesture = &canvas->Gesture();
    // The texts of these tests are made for 800x600: no rescaling on the way there.
    canvas->m_Painter.m_OldWidth = 800;
    canvas->m_Painter.m_OldHeight = 600;
    Resize(800, 600);
  }
  // Whatever the test did, the document still keeps its standing rules.
  void TearDown() override {
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
    delete frame;
  }

  void Resize(int w, int h) {
    canvas->m_Painter.m_Width = w;
    canvas->m_Painter.m_Height = h;
    canvas->OnSize();
  }
  // Applies a theme and replaces its tile by its plain colour, so that every
  // pixel nothing covers is exactly the background colour.
  void Theme(GTheme theme) {
    canvas->m_Painter.SetTheme(theme, 0);
    canvas->m_Painter.m_Look.bg.tile = GRaster();
  }
  void Render() {
    canvas->m_Painter.m_BgDrawn = false;
    canvas->RenderToScreenPicture();
    picture = canvas->ScreenPicture().ConvertToImage();
  }
  wxColour At(int x, int y) const {
    return wxColour(picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y));
  }
  wxColour Background() const { return ToWx(canvas->m_Painter.m_Look.bg.colour); }
  bool IsBackground(int x, int y) const { return At(x, y) == Background(); }
  // Pixels of world points.
  int Px(double x) const { return canvas->View().PixelX(x); }
  int Py(double y) const { return canvas->View().PixelY(y); }

  GPoint* Point(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    return p;
  }
  GLine* Line(double x1, double y1, double x2, double y2) {
    GLine* l = doc->NewLine(x1, y1, x2, y2);
    doc->AssignLine(l);
    return l;
  }
  GCircle* Circle(double cx, double cy, double r) {
    GCircle* c = doc->NewCircle(cx, cy, r * r);
    doc->AssignCircle(c);
    return c;
  }
};

// Sum of absolute channel differences.
inline int ColourDistance(const wxColour& a, const wxColour& b) {
  return std::abs(a.Red() - b.Red()) + std::abs(a.Green() - b.Green()) +
         std::abs(a.Blue() - b.Blue());
}
