// STUB
#include "model/GConst.h"

int GConst::Evaluate_3PAngle() { return 1; }
int GConst::Evaluate_LineWithAngle() { return 1; }
int GConst::Evaluate_LineWithAngleDegree() { return 1; }
int GConst::Evaluate_PtOnLineWithAngle() { return 1; }
int GConst::Evaluate_PtOnLineWithAngleDegree() { return 1; }
int GConst::Evaluate_3pBisector() { return 1; }
int GConst::Evaluate_PtOn3PBisector() { return 1; }
int GConst::Evaluate_Bisector() { return 1; }
int GConst::Evaluate_PtOnBisector() { return 1; }
int GConst::Evaluate_Orthcenter() { return 1; }
