// STUB
#include "model/GConst.h"

int GConst::Evaluate_Graph() { return 1; }
int GConst::Evaluate_ParaCurve() { return 1; }
int GConst::Evaluate_PtOnCurve() { return 1; }
int GConst::Evaluate_CurveTangent() { return 1; }
int GConst::Evaluate_PtOnCurveTangent() { return 1; }
int GConst::Evaluate_Orbit1() { return 1; }
int GConst::Evaluate_Orbit2() { return 1; }
