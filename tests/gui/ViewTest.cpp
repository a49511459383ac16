// The view: world-pixel transform, bounds, resizing with the rescaling of
// texts on every sheet, zoom limits, pictures that cover a large window, and
// the status and benchmark texts.
#include <regex>
#include <wx/dcmemory.h>
#include <wx/statusbr.h>

#include "gui/CanvasFixture.h"

using ViewTest = CanvasTest;

TEST_F(ViewTest, WorldAndPixelsMapBothWaysAroundTheCentre) {
  const GView v = canvas->View();
  EXPECT_EQ(v.centerX, 400);
  EXPECT_EQ(v.centerY, 300);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().XMin(), -4.0);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().XMax(), 4.0);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().YMax(), 3.0);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().YMin(), -3.0);
  EXPECT_EQ(v.PixelX(1.234), 523);
  EXPECT_EQ(v.PixelY(1.234), 300 - 123);
  EXPECT_EQ(v.PixelY(-0.005), 301);  // floored, y upwards
  EXPECT_NEAR(v.WorldX(523), 1.23, 1e-12);
  EXPECT_NEAR(v.WorldY(177), 1.23, 1e-12);
  // The document sees the same scale and bounds the canvas draws with.
  EXPECT_EQ(&canvas->m_Painter.m_Viewport, &doc->Viewport());
  EXPECT_DOUBLE_EQ(doc->Viewport().XMax(), 4.0);
}

TEST_F(ViewTest, ResizeToTheSameSizeChangesNothing) {
  GText* t = doc->NewText("a");
  doc->AssignText(t);
  t->x = 100;
  t->y = 200;
  t->fontSize = 18;
  Resize(800, 600);
  EXPECT_DOUBLE_EQ(t->x, 100);
  EXPECT_DOUBLE_EQ(t->y, 200);
  EXPECT_DOUBLE_EQ(t->fontSize, 18);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.01);
}

TEST_F(ViewTest, TallerWindowScalesTextsOfEverySheetAndZoomsIn) {
  canvas->m_Painter.m_OldHeight = 550;  // the texts were made for 800x550
  Resize(800, 550);
  GText* t0 = doc->NewText("first");
  doc->AssignText(t0);
  t0->x = 100;
  t0->y = 120;
  t0->fontSize = 18;
  // A text on a second sheet.
  GText* t1 = doc->NewText("second");
  t1->x = 50;
  t1->y = 30;
  t1->fontSize = 12;
  doc->Sheets().Slot(1).texts.Append(t1);
  doc->Sheets().SetCount(2);

  Resize(800, 1050);  // (1050 - 50) / (550 - 50) = 2
  EXPECT_DOUBLE_EQ(t0->x, 100);
  EXPECT_DOUBLE_EQ(t0->y, 240);
  EXPECT_DOUBLE_EQ(t0->fontSize, 36);
  EXPECT_DOUBLE_EQ(t1->x, 50);
  EXPECT_DOUBLE_EQ(t1->y, 60);
  EXPECT_DOUBLE_EQ(t1->fontSize, 24);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.005);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().PickDistance(), 0.05);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().PickDistance2(), 0.0025);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().YMax(), 525 * 0.005);
}

TEST_F(ViewTest, FoldingTheWindowAwayKeepsTextsAndScaleIntact) {
  GText* t = doc->NewText("a");
  doc->AssignText(t);
  t->y = 200;
  t->fontSize = 18;
  Resize(800, 40);  // smaller than the 50 pixels the text ratio leaves out
  EXPECT_DOUBLE_EQ(t->y, 200);
  EXPECT_DOUBLE_EQ(t->fontSize, 18);
  EXPECT_GT(canvas->m_Doc->Viewport().Scale(), 0);
  Resize(800, 600);  // back to the size the texts were made for
  EXPECT_DOUBLE_EQ(t->y, 200);
  EXPECT_DOUBLE_EQ(t->fontSize, 18);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.01);
}

TEST_F(ViewTest, ZoomStopsAtItsLimitsButKeepsTheViewConsistent) {
  doc->Viewport().SetScale(0.001);
  canvas->OnModeZoomIn(1.2);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.001);
  canvas->OnModeZoomOut(1.2);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.0012);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().XMax(), 400 * 0.0012);
  doc->Viewport().SetScale(0.1);
  canvas->OnModeZoomOut(1.2);
  EXPECT_DOUBLE_EQ(canvas->m_Doc->Viewport().Scale(), 0.1);
}

TEST_F(ViewTest, WindowLargerThanTheOldFixedPictureIsDrawnEverywhere) {
  Theme(THM_STANDARD);
  Resize(2000, 1200);
  Render();
  ASSERT_GE(picture.GetWidth(), 2000);
  ASSERT_GE(picture.GetHeight(), 1200);
  EXPECT_TRUE(IsBackground(1990, 1190));
  EXPECT_TRUE(IsBackground(1700, 950));
}

TEST_F(ViewTest, BackgroundTilesCoverTheWindowIncludingTheLastColumnAndRow) {
  canvas->m_Painter.SetTheme(THM_STANDARD, 0);
  Resize(512, 384);  // exactly two tiles each way
  Render();
  // The tile's pixels repeat at the tile period in both directions.
  for (int x : {3, 130, 250})
    for (int y : {5, 100, 190}) {
      EXPECT_EQ(At(x, y), At(x + 256, y));
      EXPECT_EQ(At(x, y), At(x, y + 192));
    }
}

TEST(ViewStatus, FirstPaintShowsTheSheetCounter) {
  RecordingUser user;
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "status", wxPoint(0, 0), wxSize(600, 500));
  frame->CreateStatusBar(2);
  frame->SetStatusText("Welcome to wxFiguretta!", 0);
  MyCanvas* canvas = new MyCanvas(frame, &user);
  canvas->RenderToScreenPicture();
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Sheet: 1/1");
  canvas->m_Doc->Sheets().SetCount(3);
  canvas->m_Doc->Sheets().SetCurrent(1);
  canvas->RenderToScreenPicture();
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Sheet: 2/3");
  delete frame;
}

TEST_F(ViewTest, BenchmarkReportsFourTimesInItsBox) {
  canvas->OnBenchMark();
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].caption, "Benchmark Test");
  EXPECT_TRUE(std::regex_match(user.messages[0].text,
                               std::regex("evaluate const\\. = \\d+\\(us\\)\ndraw background = "
                                          "\\d+\\(us\\)\ndraw elements= \\d+\\(us\\)\nblit all = "
                                          "\\d+\\(us\\)\n")))
      << user.messages[0].text;
}

TEST_F(ViewTest, TouchPanelButtonsSitOnTheBottomEdgeOfTheCanvasWindow) {
  Theme(THM_STANDARD);
  // A strip whose normal looks are green and pressed looks blue.
  wxBitmap strip(384, 32, 24);
  {
    wxMemoryDC dc(strip);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(0, 200, 0)));
    dc.DrawRectangle(0, 0, 192, 32);
    dc.SetBrush(wxBrush(wxColour(0, 0, 200)));
    dc.DrawRectangle(192, 0, 192, 32);
  }
  canvas->m_Painter.CutPanelButtons(strip);
  canvas->m_Tool.SetPanel(false, true, false);
  Render();
  EXPECT_TRUE(IsBackground(10, 550));  // not shown outside the touch-panel style
  canvas->m_Tool.SetStyle(kGModePanel);
  Render();
  const int top =
      600 - canvas->m_Painter.m_ToolbarHeight - 32;  // the window is the toolbar shorter
  EXPECT_EQ(At(10, top + 5), wxColour(0, 200, 0));
  EXPECT_EQ(At(64 + 10, top + 30), wxColour(0, 0, 200));
  EXPECT_EQ(At(128 + 60, top + 5), wxColour(0, 200, 0));
  EXPECT_TRUE(IsBackground(10, top - 2));
}
