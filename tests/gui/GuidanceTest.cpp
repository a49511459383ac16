// The status bar's guidance: what each tool expects next, stage by stage, in
// each style, and what the last action made.
#include "WindowFixture.h"
#include "script/Script.h"

namespace {

class GuidanceTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    doc->ResetAllName();
  }
  std::string Hint() {
    canvas->RenderToScreenPicture();
    return frame->GetStatusBar()->GetStatusText(1).utf8_string();
  }
  wxPoint At(double x, double y) const {
    return wxPoint(canvas->View().PixelX(x), canvas->View().PixelY(y));
  }
};

TEST_F(GuidanceTest, EachStageOfATovikToolSaysWhatComesNext) {
  Command(kGModeTovik);
  Command(kModeMLine);
  EXPECT_EQ(Hint(), "Press on the first point of the line and drag to the second");
  wxPoint a = At(0, 0), b = At(1, 0.5);
  canvas->LButtonDown(a);
  EXPECT_EQ(Hint(), "Now release on the second point of the line");
  canvas->LButtonDrag(b);
  canvas->LButtonUp(b);
  EXPECT_EQ(Hint(), "Made line a. Press on the first point of the line and drag to the second");
  Command(kModeAngle);
  const std::pair<wxPoint, const char*> clicks[] = {
      {At(0, 0), "Now click its vertex"}, {At(1, 0.5), "Now click the last point of the angle"}};
  EXPECT_EQ(Hint(), "Click the first point of the angle");
  for (auto [at, next] : clicks) {
    canvas->LButtonDown(at);
    canvas->LButtonUp(at);
    EXPECT_EQ(Hint(), next);
  }
}

TEST_F(GuidanceTest, QuilAndPanelSayWhenTheSelectionCanBuild) {
  ASSERT_TRUE(ReadScript(*doc, "point A=Pt(0,0);\npoint B=Pt(1,1);\n"));
  EXPECT_EQ(Hint(), "Made point B. Drag a point, a name, a text or a picture to move it");
  for (GStyle style : {kGModeQuil, kGModePanel}) {
    Command(style);
    const std::string place = style == kGModeQuil ? "Right button: place a point. " : "";
    doc->ClearAllHilights();
    EXPECT_EQ(Hint(), place + "Hilight points, lines or circles, then press a construction button");
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) doc->Sethilighted(p);
    EXPECT_EQ(Hint(), place + "The lit buttons build from what is hilighted");
  }
}

}  // namespace
