// Evaluation of one construction step: dispatch on the step kind, the kind of
// element a step produces, and the names of the step kinds.
#include "model/GConst.h"

int GConst::Evaluate() {
  int failed = 0;
  switch (type) {
    case CONST_FREE:
      failed = Evaluate_FreePoint();
      break;
    case CONST_ON_LINE:
      failed = Evaluate_PtOnLine();
      break;
    case CONST_JOIN:
      failed = Evaluate_Join();
      break;
    case CONST_MEET:
      failed = Evaluate_Meet();
      break;
    case CONST_PARALLEL:
      failed = Evaluate_Parallel();
      break;
    case CONST_PERP:
      failed = Evaluate_Perp();
      break;
    case CONST_MID:
      failed = Evaluate_Mid();
      break;
    case CONST_PT_ON_PARA:
      failed = Evaluate_PtOnPara();
      break;
    case CONST_PT_ON_PER:
      failed = Evaluate_PtOnPerp();
      break;
    case CONST_MULTI_CIRCLE:
      failed = Evaluate_MCircle();
      break;
    case CONST_PT_ON_CIRCLE:
      failed = Evaluate_PtOnCircle();
      break;
    case CONST_MEET_CL:
      failed = Evaluate_MeetCL();
      break;
    case CONST_BISECTOR:
      failed = Evaluate_Bisector();
      break;
    case CONST_3P_BISECTOR:
      failed = Evaluate_3pBisector();
      break;
    case CONST_GRAPH:
      failed = Evaluate_Graph();
      break;
    case CONST_PT_ON_CURVE:
      failed = Evaluate_PtOnCurve();
      break;
    case CONST_TANGENT:
      failed = Evaluate_Tangent();
      break;
    case CONST_COMPASS:
      failed = Evaluate_Compass();
      break;
    case CONST_MEET_CC:
      failed = Evaluate_MeetCC();
      break;
    case CONST_ORBIT1:
      failed = Evaluate_Orbit1();
      break;
    case CONST_ORBIT2:
      failed = Evaluate_Orbit2();
      break;
    case CONST_ORTHOCENTER:
      failed = Evaluate_Orthcenter();
      break;
    case CONST_PT_ON_3P_BISECTOR:
      failed = Evaluate_PtOn3PBisector();
      break;
    case CONST_PT_ON_BISECTOR:
      failed = Evaluate_PtOnBisector();
      break;
    case CONST_PT_ON_TANGENT:
      failed = Evaluate_PtOnTangent();
      break;
    case CONST_CURVE_TANGENT:
      failed = Evaluate_CurveTangent();
      break;
    case CONST_PARA_CURVE:
      failed = Evaluate_ParaCurve();
      break;
    case CONST_PT_ON_CURVE_TANGENT:
      failed = Evaluate_PtOnCurveTangent();
      break;
    case CONST_3P_ANGLE:
      failed = Evaluate_3PAngle();
      break;
    case CONST_LINE_WITH_ANGLE:
      failed = Evaluate_LineWithAngle();
      break;
    case CONST_LINE_WITH_ANGLE_DEGREE:
      failed = Evaluate_LineWithAngleDegree();
      break;
    case CONST_PT_ON_LINE_WITH_ANGLE:
      failed = Evaluate_PtOnLineWithAngle();
      break;
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:
      failed = Evaluate_PtOnLineWithAngleDegree();
      break;
    case CONST_BRACKET:
      failed = Evaluate_Bracket();
      break;
    default:
      return 0;  // texts, images, zooms, effects: nothing to compute
  }
  if (failed) return 1;
  // Every produced point remembers how it moved, so that the circle
  // intersections can predict where the dragged figure goes next.
  if (POutput && Output_Type() == OUTPUT_POINT) {
    GPoint* p = POutput;
    p->GetAij();
    const double x = p->xz().re;
    const double y = p->yz().re;
    p->dX = x - p->prevX;
    p->dY = y - p->prevY;
    p->prevX = x;
    p->prevY = y;
  }
  return 0;
}

int GConst::Output_Type() const {
  switch (type) {
    case CONST_FREE:
    case CONST_ON_LINE:
    case CONST_MEET:
    case CONST_MID:
    case CONST_PT_ON_PARA:
    case CONST_PT_ON_PER:
    case CONST_PT_ON_CIRCLE:
    case CONST_MEET_CL:
    case CONST_PT_ON_CURVE:
    case CONST_MEET_CC:
    case CONST_ORTHOCENTER:
    case CONST_PT_ON_3P_BISECTOR:
    case CONST_PT_ON_BISECTOR:
    case CONST_PT_ON_TANGENT:
    case CONST_PT_ON_CURVE_TANGENT:
    case CONST_PT_ON_LINE_WITH_ANGLE:
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:
      return OUTPUT_POINT;
    case CONST_JOIN:
    case CONST_PARALLEL:
    case CONST_PERP:
    case CONST_BISECTOR:
    case CONST_3P_BISECTOR:
    case CONST_TANGENT:
    case CONST_CURVE_TANGENT:
    case CONST_LINE_WITH_ANGLE:
    case CONST_LINE_WITH_ANGLE_DEGREE:
      return OUTPUT_LINE;
    case CONST_MULTI_CIRCLE:
    case CONST_COMPASS:
      return OUTPUT_CIRCLE;
    case CONST_TEXT:
      return OUTPUT_TEXT;
    case CONST_GRAPH:
    case CONST_ORBIT1:
    case CONST_ORBIT2:
    case CONST_PARA_CURVE:
      return OUTPUT_CURVE;
    case CONST_3P_ANGLE:
      return OUTPUT_ANGLE;
    case CONST_IMAGE:
      return OUTPUT_IMAGE;
    case CONST_BRACKET:
      return OUTPUT_BRACKET;
    // Zooming and hiding produce nothing; they report their own kind.
    case CONST_ZOOMIN:
    case CONST_ZOOMOUT:
    case CONST_INVISIBLE:
      return type;
    default:
      if (type >= CONST_EFFECT_POINT && type <= CONST_EFFECT_IMAGE) return OUTPUT_EFFECT;
      return 0;  // clipping and unassigned values
  }
}

const char* ConstName(int type) {
  switch (type) {
    case CONST_FREE:
      return "CONST_FREE";
    case CONST_ON_LINE:
      return "CONST_ON_LINE";
    case CONST_JOIN:
      return "CONST_JOIN";
    case CONST_MEET:
      return "CONST_MEET";
    case CONST_PARALLEL:
      return "CONST_PARALLEL";
    case CONST_PERP:
      return "CONST_PERP";
    case CONST_MID:
      return "CONST_MID";
    case CONST_PT_ON_PARA:
      return "CONST_PT_ON_PARA";
    case CONST_PT_ON_PER:
      return "CONST_PT_ON_PER";
    case CONST_MULTI_CIRCLE:
      return "CONST_MULTI_CIRCLE";
    case CONST_PT_ON_CIRCLE:
      return "CONST_PT_ON_CIRCLE";
    case CONST_MEET_CL:
      return "CONST_MEET_CL";
    case CONST_BISECTOR:
      return "CONST_BISECTOR";
    case CONST_3P_BISECTOR:
      return "CONST_3P_BISECTOR";
    case CONST_CLIPPING:
      return "CONST_CLIPPING";
    case CONST_GRAPH:
      return "CONST_GRAPH";
    case CONST_PT_ON_CURVE:
      return "CONST_PT_ON_CURVE";
    case CONST_TANGENT:
      return "CONST_TANGENT";
    case CONST_TEXT:
      return "CONST_TEXT";
    case CONST_COMPASS:
      return "CONST_COMPASS";
    case CONST_MEET_CC:
      return "CONST_MEET_CC";
    case CONST_ORBIT1:
      return "CONST_ORBIT1";
    case CONST_ORBIT2:
      return "CONST_ORBIT2";
    case CONST_ORTHOCENTER:
      return "CONST_ORTHOCENTER";
    case CONST_PT_ON_3P_BISECTOR:
      return "CONST_PT_ON_3P_BISECTOR";
    case CONST_PT_ON_BISECTOR:
      return "CONST_PT_ON_BISECTOR";
    case CONST_PT_ON_TANGENT:
      return "CONST_PT_ON_TANGENT";
    case CONST_CURVE_TANGENT:
      return "CONST_CURVE_TANGENT";
    case CONST_ZOOMIN:
      return "CONST_ZOOMIN";
    case CONST_ZOOMOUT:
      return "CONST_ZOOMOUT";
    case CONST_INVISIBLE:
      return "CONST_INVISIBLE";
    case CONST_PT_ON_CURVE_TANGENT:
      return "CONST_PT_ON_CURVE_TANGENT";
    case CONST_3P_ANGLE:
      return "CONST_3P_ANGLE";
    case CONST_LINE_WITH_ANGLE:
      return "CONST_LINE_WITH_ANGLE";
    case CONST_LINE_WITH_ANGLE_DEGREE:
      return "CONST_LINE_WITH_ANGLE_DEGREE";
    case CONST_PT_ON_LINE_WITH_ANGLE:
      return "CONST_PT_ON_LINE_WITH_ANGLE";
    case CONST_IMAGE:
      return "CONST_IMAGE";
    case CONST_BRACKET:
      return "CONST_BRACKET";
    case CONST_EFFECT_POINT:
      return "CONST_EFFECT_POINT";
    case CONST_EFFECT_LINE:
      return "CONST_EFFECT_LINE";
    case CONST_EFFECT_CIRCLE:
      return "CONST_EFFECT_CIRCLE";
    case CONST_EFFECT_CURVE:
      return "CONST_EFFECT_CURVE";
    case CONST_EFFECT_TEXT:
      return "CONST_EFFECT_TEXT";
    case CONST_EFFECT_ANGLE:
      return "CONST_EFFECT_ANGLE";
    case CONST_EFFECT_BRACKET:
      return "CONST_EFFECT_BRACKET";
    case CONST_EFFECT_IMAGE:
      return "CONST_EFFECT_IMAGE";
    default:
      return "";  // the parametric curve, the point at a degree angle, unassigned
  }
}

void TakeCarrierInputs(GConst* step, const GConst* line) {
  step->PInput1 = line->PInput1;
  step->PInput2 = line->PInput2;
  step->PInput3 = line->PInput3;
  step->LInput1 = line->LInput1;
  step->LInput2 = line->LInput2;
  step->CInput1 = line->CInput1;
  step->CurveInput1 = line->CurveInput1;
  step->AngleInput1 = line->AngleInput1;
}

// The steps that keep a point on a line, so that a locus can sweep it along.
bool BoundToLine(int type) {
  switch (type) {
    case CONST_ON_LINE:
    case CONST_PT_ON_PARA:
    case CONST_PT_ON_PER:
    case CONST_PT_ON_3P_BISECTOR:
    case CONST_PT_ON_BISECTOR:
    case CONST_PT_ON_TANGENT:
    case CONST_PT_ON_CURVE_TANGENT:
    case CONST_PT_ON_LINE_WITH_ANGLE:
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:
      return true;
    default:
      return false;
  }
}
