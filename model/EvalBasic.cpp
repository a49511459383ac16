// STUB
#include "model/GConst.h"

int GConst::Evaluate_FreePoint() { return 1; }
int GConst::Evaluate_Join() { return 1; }
int GConst::Evaluate_Meet() { return 1; }
int GConst::Evaluate_Parallel() { return 1; }
int GConst::Evaluate_Perp() { return 1; }
int GConst::Evaluate_Mid() { return 1; }
int GConst::Evaluate_MCircle() { return 1; }
int GConst::Evaluate_Compass() { return 1; }
int GConst::Evaluate_PtOnLine() { return 1; }
int GConst::Evaluate_PtOnPara() { return 1; }
int GConst::Evaluate_PtOnPerp() { return 1; }
int GConst::Evaluate_PtOnCircle() { return 1; }
int GConst::Evaluate_Tangent() { return 1; }
int GConst::Evaluate_PtOnTangent() { return 1; }
int GConst::Evaluate_Bracket() { return 1; }
