// Every tool's gesture keeps the document's standing rules at each event of
// a click and of a drag, in the like-Tovik style; what a gesture is making is
// lit before it is listed, and the rules allow for it.
#include "gui/MouseFixture.h"

namespace {

class GestureRules : public MouseTest {};

TEST_F(GestureRules, EveryEventOfEveryTwoPointToolKeepsThem) {
  const GToolMode modes[] = {kModeSPoint,   kModeMid,           kModeMLine,
                             kModeMCircle,  kModePara,          kModePerp,
                             kModeBisector, kModeLineWithAngle, kModeBracket};
  for (GToolMode mode : modes) {
    canvas->m_Tool.SetStyle(kTovik);
    canvas->m_Tool.SetMode(mode);
    wxPoint a = At(0.5, 0.5), b = At(1.5, 0.7);
    const std::pair<const char*, std::function<void()>> events[] = {
        {"press", [&] { canvas->LButtonDown(a); }}, {"release", [&] { canvas->LButtonUp(a); }},
        {"press", [&] { canvas->LButtonDown(a); }}, {"drag", [&] { canvas->LButtonDrag(b); }},
        {"release", [&] { canvas->LButtonUp(b); }},
    };
    for (const auto& [what, happen] : events) {
      happen();
      EXPECT_EQ(InvariantReport(*doc, gesture), "") << "mode " << mode << ", " << what;
    }
  }
}

}  // namespace
