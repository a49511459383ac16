// The rows of the table of step kinds, in the order of their values, the
// index of the rows by kind value (a step's kind finds its row without a
// search), and the bound point kind of each line kind.
#include "model/StepKinds.h"

#include <array>
#include <iterator>

namespace {

// type, name, output, word, fields, evaluate, carrier, position
constexpr StepKind kKinds[] = {
    {CONST_FREE, "CONST_FREE", OUTPUT_POINT, "Pt", nullptr, &GConst::Evaluate_FreePoint},
    {CONST_ON_LINE, "CONST_ON_LINE", OUTPUT_POINT, "PtOnLine", "P1,P2,t,u",
     &GConst::Evaluate_PtOnLine, CONST_JOIN},
    {CONST_JOIN, "CONST_JOIN", OUTPUT_LINE, "Join", "P1,P2", &GConst::Evaluate_Join},
    {CONST_MEET, "CONST_MEET", OUTPUT_POINT, "Meet", "L1,L2", &GConst::Evaluate_Meet},
    {CONST_PARALLEL, "CONST_PARALLEL", OUTPUT_LINE, "Parallel", "L1,P1",
     &GConst::Evaluate_Parallel},
    {CONST_PERP, "CONST_PERP", OUTPUT_LINE, "Perp", "L1,P1", &GConst::Evaluate_Perp},
    {CONST_MID, "CONST_MID", OUTPUT_POINT, "Mid", "P1,P2", &GConst::Evaluate_Mid},
    {CONST_PT_ON_PARA, "CONST_PT_ON_PARA", OUTPUT_POINT, "PtOnParallel", "L1,P1,t",
     &GConst::Evaluate_PtOnPara, CONST_PARALLEL, &GConst::param1},
    {CONST_PT_ON_PER, "CONST_PT_ON_PER", OUTPUT_POINT, "PtOnPerp", "L1,P1,t",
     &GConst::Evaluate_PtOnPerp, CONST_PERP, &GConst::param1},
    {CONST_MULTI_CIRCLE, "CONST_MULTI_CIRCLE", OUTPUT_CIRCLE, "Circle", "P1,P2",
     &GConst::Evaluate_MCircle},
    {CONST_PT_ON_CIRCLE, "CONST_PT_ON_CIRCLE", OUTPUT_POINT, "PtOnCircle", "C1,t",
     &GConst::Evaluate_PtOnCircle},
    {CONST_MEET_CL, "CONST_MEET_CL", OUTPUT_POINT, "MeetCircleAndLine", "C1,L1",
     &GConst::Evaluate_MeetCL},
    {CONST_BISECTOR, "CONST_BISECTOR", OUTPUT_LINE, "Bisector", "L1,L2,t",
     &GConst::Evaluate_Bisector},
    {CONST_3P_BISECTOR, "CONST_3P_BISECTOR", OUTPUT_LINE, "3PBisector", "P1,P2,P3",
     &GConst::Evaluate_3pBisector},
    {CONST_CLIPPING, "CONST_CLIPPING", 0},
    {CONST_GRAPH, "CONST_GRAPH", OUTPUT_CURVE, "Graph", nullptr, &GConst::Evaluate_Graph},
    {CONST_PT_ON_CURVE, "CONST_PT_ON_CURVE", OUTPUT_POINT, "PtOnCurve", "K1,t",
     &GConst::Evaluate_PtOnCurve},
    {CONST_TANGENT, "CONST_TANGENT", OUTPUT_LINE, "Tangent", "C1,P1", &GConst::Evaluate_Tangent},
    {CONST_TEXT, "CONST_TEXT", OUTPUT_TEXT, "Text"},
    {CONST_COMPASS, "CONST_COMPASS", OUTPUT_CIRCLE, "Compass", "P1,P2,P3",
     &GConst::Evaluate_Compass},
    {CONST_MEET_CC, "CONST_MEET_CC", OUTPUT_POINT, "Meet2Circles", "C1,C2",
     &GConst::Evaluate_MeetCC},
    {CONST_ORBIT1, "CONST_ORBIT1", OUTPUT_CURVE, "OrbitOnCircle", "P1,P2",
     &GConst::Evaluate_Orbit1},
    {CONST_ORBIT2, "CONST_ORBIT2", OUTPUT_CURVE, "OrbitOnLine", "P1,P2", &GConst::Evaluate_Orbit2},
    {CONST_ORTHOCENTER, "CONST_ORTHOCENTER", OUTPUT_POINT, "Orthocenter", "P1,P2,P3",
     &GConst::Evaluate_Orthcenter},
    {CONST_PT_ON_3P_BISECTOR, "CONST_PT_ON_3P_BISECTOR", OUTPUT_POINT, "PtOn3PBisector",
     "P1,P2,P3,t", &GConst::Evaluate_PtOn3PBisector, CONST_3P_BISECTOR, &GConst::param1},
    {CONST_PT_ON_BISECTOR, "CONST_PT_ON_BISECTOR", OUTPUT_POINT, "PtOnBisector", "L1,L2,t,u",
     &GConst::Evaluate_PtOnBisector, CONST_BISECTOR, &GConst::param2},
    {CONST_PT_ON_TANGENT, "CONST_PT_ON_TANGENT", OUTPUT_POINT, "PtOnTangent", "C1,P1,t",
     &GConst::Evaluate_PtOnTangent, CONST_TANGENT, &GConst::param1},
    {CONST_CURVE_TANGENT, "CONST_CURVE_TANGENT", OUTPUT_LINE, "CurveTangent", "K1,P1",
     &GConst::Evaluate_CurveTangent},
    {CONST_ZOOMIN, "CONST_ZOOMIN", StepKindNumber(CONST_ZOOMIN), "ZoomIn"},
    {CONST_ZOOMOUT, "CONST_ZOOMOUT", StepKindNumber(CONST_ZOOMOUT), "ZoomOut"},
    {CONST_INVISIBLE, "CONST_INVISIBLE", StepKindNumber(CONST_INVISIBLE), "Invisible"},
    {CONST_PARA_CURVE, "", OUTPUT_CURVE, "ParaCurve", nullptr, &GConst::Evaluate_ParaCurve},
    {CONST_PT_ON_CURVE_TANGENT, "CONST_PT_ON_CURVE_TANGENT", OUTPUT_POINT, "PtOnCurveTangent",
     "K1,P1,t", &GConst::Evaluate_PtOnCurveTangent, CONST_CURVE_TANGENT, &GConst::param1},
    {CONST_3P_ANGLE, "CONST_3P_ANGLE", OUTPUT_ANGLE, "AngleBy3P", "P1,P2,P3",
     &GConst::Evaluate_3PAngle},
    {CONST_LINE_WITH_ANGLE, "CONST_LINE_WITH_ANGLE", OUTPUT_LINE, "LineWithAngle", "L1,P1,A1",
     &GConst::Evaluate_LineWithAngle},
    {CONST_LINE_WITH_ANGLE_DEGREE, "CONST_LINE_WITH_ANGLE_DEGREE", OUTPUT_LINE,
     "LineWithAngleDegree", "L1,P1,t", &GConst::Evaluate_LineWithAngleDegree},
    {CONST_PT_ON_LINE_WITH_ANGLE, "CONST_PT_ON_LINE_WITH_ANGLE", OUTPUT_POINT, "PtOnLineWithAngle",
     "L1,P1,A1,t", &GConst::Evaluate_PtOnLineWithAngle, CONST_LINE_WITH_ANGLE, &GConst::param1},
    {CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, "", OUTPUT_POINT, "PtOnLineWithAngleDegree", "L1,P1,t,u",
     &GConst::Evaluate_PtOnLineWithAngleDegree, CONST_LINE_WITH_ANGLE_DEGREE, &GConst::param2},
    {CONST_IMAGE, "CONST_IMAGE", OUTPUT_IMAGE, "Image"},
    {CONST_BRACKET, "CONST_BRACKET", OUTPUT_BRACKET, "Bracket", "P1,P2", &GConst::Evaluate_Bracket},
    {CONST_VISIBLE, "CONST_VISIBLE", StepKindNumber(CONST_VISIBLE), "Visible"},
    {CONST_EFFECT_POINT, "CONST_EFFECT_POINT", OUTPUT_EFFECT, "EffectPoint"},
    {CONST_EFFECT_LINE, "CONST_EFFECT_LINE", OUTPUT_EFFECT, "EffectLine"},
    {CONST_EFFECT_CIRCLE, "CONST_EFFECT_CIRCLE", OUTPUT_EFFECT, "EffectCircle"},
    {CONST_EFFECT_CURVE, "CONST_EFFECT_CURVE", OUTPUT_EFFECT, "EffectCurve"},
    {CONST_EFFECT_TEXT, "CONST_EFFECT_TEXT", OUTPUT_EFFECT, "EffectText"},
    {CONST_EFFECT_ANGLE, "CONST_EFFECT_ANGLE", OUTPUT_EFFECT, "EffectAngle"},
    {CONST_EFFECT_BRACKET, "CONST_EFFECT_BRACKET", OUTPUT_EFFECT, "EffectBracket"},
    {CONST_EFFECT_IMAGE, "CONST_EFFECT_IMAGE", OUTPUT_EFFECT, "EffectImage"},
};

// Rows in ascending order cannot name a kind twice.
static_assert([] {
  for (size_t i = 1; i < std::size(kKinds); ++i)
    if (kKinds[i].type <= kKinds[i - 1].type) return false;
  return true;
}());

}  // namespace

constinit const std::array<const StepKind*, kStepKindSpan> kStepKindRows = [] {
  std::array<const StepKind*, kStepKindSpan> rows{};
  for (const StepKind& k : kKinds) rows[StepKindNumber(k.type) - StepKindNumber(CONST_FREE)] = &k;
  return rows;
}();

GStepKind BoundKindOn(GStepKind lineKind) {
  if (lineKind == GStepKind{}) return GStepKind{};
  for (const StepKind& k : kKinds)
    if (k.carrier == lineKind) return k.type;
  return GStepKind{};
}
