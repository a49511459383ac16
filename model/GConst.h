// Construction steps: the step record GConst, the values of the step kinds
// (their table is model/StepKinds.h) and the output kinds. A figure is the list
// of its steps; evaluating the list in creation order recomputes every element.
#pragma once

#include "model/Elements.h"

class GDocument;

// A step kind travels as GStepKind; its value is the kind's number, which is
// also what the step graph hashes. The CONST_* names stand in the enclosing scope.
enum class GStepKind : short {
  CONST_FREE = 2000,
  CONST_ON_LINE = 2001,
  CONST_JOIN = 2002,
  CONST_MEET = 2003,
  CONST_PARALLEL = 2004,
  CONST_PERP = 2005,
  CONST_MID = 2006,
  CONST_PT_ON_PARA = 2007,
  CONST_PT_ON_PER = 2008,
  CONST_MULTI_CIRCLE = 2009,
  CONST_PT_ON_CIRCLE = 2010,
  CONST_MEET_CL = 2011,
  CONST_BISECTOR = 2012,
  CONST_3P_BISECTOR = 2013,
  CONST_CLIPPING = 2014,
  CONST_GRAPH = 2015,
  CONST_PT_ON_CURVE = 2016,
  CONST_TANGENT = 2017,
  CONST_TEXT = 2018,
  CONST_COMPASS = 2019,
  CONST_MEET_CC = 2020,
  CONST_ORBIT1 = 2021,
  CONST_ORBIT2 = 2022,
  CONST_ORTHOCENTER = 2023,
  CONST_PT_ON_3P_BISECTOR = 2024,
  CONST_PT_ON_BISECTOR = 2025,
  CONST_PT_ON_TANGENT = 2026,
  CONST_CURVE_TANGENT = 2027,
  CONST_ZOOMIN = 2028,
  CONST_ZOOMOUT = 2029,
  CONST_INVISIBLE = 2030,
  CONST_PARA_CURVE = 2031,  // parametric curve; has no name of its own
  CONST_PT_ON_CURVE_TANGENT = 2032,
  CONST_3P_ANGLE = 2035,
  CONST_LINE_WITH_ANGLE = 2036,
  CONST_LINE_WITH_ANGLE_DEGREE = 2037,
  CONST_PT_ON_LINE_WITH_ANGLE = 2038,
  CONST_PT_ON_LINE_WITH_ANGLE_DEGREE = 2039,  // has no name of its own
  CONST_IMAGE = 2040,
  CONST_BRACKET = 2041,
  CONST_VISIBLE = 2043,  // shows again what an Invisible step or a file's "invisible" hid
  CONST_EFFECT_POINT = 2100,
  CONST_EFFECT_LINE = 2101,
  CONST_EFFECT_CIRCLE = 2102,
  CONST_EFFECT_CURVE = 2103,
  CONST_EFFECT_TEXT = 2104,
  CONST_EFFECT_ANGLE = 2105,
  CONST_EFFECT_BRACKET = 2106,
  CONST_EFFECT_IMAGE = 2107,
};
using enum GStepKind;
// The kind's number, for tables indexed by kind.
constexpr int StepKindNumber(GStepKind k) { return static_cast<int>(k); }

// Output kinds reported by GConst::Output_Type().
enum OutputKind {
  OUTPUT_POINT = 9000,
  OUTPUT_LINE = 9001,
  OUTPUT_CIRCLE = 9002,
  OUTPUT_TEXT = 9003,
  OUTPUT_CURVE = 9004,
  OUTPUT_EFFECT = 9005,
  OUTPUT_ANGLE = 9006,
  OUTPUT_IMAGE = 9007,
  OUTPUT_BRACKET = 9008,
};

// Marker of "no rejected intersection known yet" in param3/param4.
inline const CComplex kNoRejectedMeet(999.0, 999.0);

class GConst {
 public:
  GLine *LInput1 = nullptr, *LInput2 = nullptr, *LInput3 = nullptr;
  GPoint *PInput1 = nullptr, *PInput2 = nullptr, *PInput3 = nullptr;
  GCircle *CInput1 = nullptr, *CInput2 = nullptr, *CInput3 = nullptr;
  GParaCurve *CurveInput1 = nullptr, *CurveInput2 = nullptr;
  GText* TextInput1 = nullptr;
  GAngle* AngleInput1 = nullptr;
  // What an Invisible step hid when it is an image or a bracket (the other
  // kinds use the input slot of their kind).
  GImage* ImageInput1 = nullptr;
  GBracket* BracketInput1 = nullptr;
  GLine* LOutput = nullptr;
  GPoint* POutput = nullptr;
  GCircle* COutput = nullptr;
  GText* TextOutput = nullptr;
  GAngle* AngleOutput = nullptr;
  GParaCurve* CurveOutput = nullptr;
  GImage* ImageOutput = nullptr;
  GBracket* BracketOutput = nullptr;
  CComplex param1, param2, param3, param4;
  GConst* next = nullptr;
  GConst* firstConst = nullptr;  // head of the sheet's list when this step was made
  // Evaluation state of the curve kinds; for a curve tangent the first word
  // is the step that placed its point on the curve.
  GConst* curveStep = nullptr;
  long curveWord2 = 0;
  long curveWord3 = 0;
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  GStepKind type{};
  // Step view: world size of one pixel, then left, right, top and bottom.
  double viewScale = 0.01, viewLeft = 0, viewRight = 0, viewTop = 0, viewBottom = 0;
  // Slide-show effects: the step whose output the effect acts on, and its settings.
  GConst* effectTarget = nullptr;
  int click = 0, direction = 0, effect = 0, inout = 0;
  GDocument* owner = nullptr;  // the document whose pool holds this step
  // Undo state. A zoom step: whether it changed the view (a zoom at its
  // limit did not, and undoing it must leave the view alone). Any step while
  // undone: whether its output was hidden already, so redo brings that back.
  unsigned char viewChanged = 0;
  unsigned char hiddenBefore = 0;

  int Evaluate();
  int Output_Type() const;
  // The element the step made, by its output kind; none for steps that make
  // nothing (zooming, hiding, effects).
  GObject* Output() const;
  // The element an Invisible step hides or a Visible step shows again; none
  // for other steps.
  GObject* HiddenElement() const;
  // Appends the statement of this step (with its attributes, ");" and "\n").
  void ConstSrc(std::string& out) const;

  // Points, lines and circles.
  int Evaluate_FreePoint();
  int Evaluate_Join();
  int Evaluate_Meet();
  int Evaluate_Parallel();
  int Evaluate_Perp();
  int Evaluate_Mid();
  int Evaluate_MCircle();
  int Evaluate_Compass();
  int Evaluate_PtOnLine();
  int Evaluate_PtOnPara();
  int Evaluate_PtOnPerp();
  int Evaluate_PtOnCircle();
  int Evaluate_Tangent();
  int Evaluate_PtOnTangent();
  int Evaluate_Bracket();
  // Intersections with circles.
  int Evaluate_MeetCL();
  int Evaluate_MeetCC();
  // Angles and bisectors.
  int Evaluate_3PAngle();
  int Evaluate_LineWithAngle();
  int Evaluate_LineWithAngleDegree();
  int Evaluate_PtOnLineWithAngle();
  int Evaluate_PtOnLineWithAngleDegree();
  int Evaluate_3pBisector();
  int Evaluate_PtOn3PBisector();
  int Evaluate_Bisector();
  int Evaluate_PtOnBisector();
  int Evaluate_Orthcenter();
  // Curves: sampling, and the points and tangents that use the samples.
  int Evaluate_Graph();
  int Evaluate_ParaCurve();
  int Evaluate_PtOnCurve();
  int Evaluate_CurveTangent();
  int Evaluate_PtOnCurveTangent();
  int Evaluate_Orbit1();
  int Evaluate_Orbit2();
};

// Whether a step of this kind keeps its point on a line (a locus can sweep it).
bool BoundToLine(GStepKind type);
// A point bound to a line takes the inputs of the step that made the line, so
// that it is evaluated on the line however the line's own inputs move.
void TakeCarrierInputs(GConst* step, const GConst* line);

// Loci sweep only the steps their traced point depends on; with `whole` set
// they evaluate every step up to it instead (the reference the tests compare).
void SetLocusWholeListSweep(bool whole);

// Name of a step kind ("CONST_JOIN"); "" for kinds without a name.
const char* ConstName(GStepKind type);
