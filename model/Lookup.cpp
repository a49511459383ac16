// STUB
#include "model/Lookup.h"

int FindParaFromCns(GConst*, GLine*, GPoint*, GConst**) { return 0; }
int FindPerpFromCns(GConst*, GLine*, GPoint*, GConst**) { return 0; }
int FindJoinFromCns(GConst*, GPoint*, GPoint*, GConst**) { return 0; }
int FindMeetFromCn(GConst*, GLine*, GLine*, GConst**) { return 0; }
int Find3PBisectorFromCns(GConst*, GPoint*, GPoint*, GPoint*, GConst**) { return 0; }
int FindTangentFromCns(GConst*, GCircle*, GPoint*, GConst**) { return 0; }
int FindCurveTangentFromCns(GConst*, GParaCurve*, GPoint*, GConst**) { return 0; }
int FindLineWithAngleFromCns(GConst*, GLine*, GPoint*, GAngle*, GConst**) { return 0; }
int FindLineWithAngleDegreeFromCns(GConst*, GLine*, GPoint*, double, GConst**) { return 0; }
int FindBisectorFromCns(GConst*, GLine*, GLine*, double, GConst**) { return 0; }
int FindPtFromCn(GConst*, GPoint*, GConst**) { return 0; }
int FindLnFromCn(GConst*, GLine*, GConst**) { return 0; }
int FindCiFromCn(GConst*, GCircle*, GConst**) { return 0; }
int FindCurveFromCn(GConst*, GParaCurve*, GConst**) { return 0; }
int FindAngleFromCn(GConst*, GAngle*, GConst**) { return 0; }
int FindBrFromCn(GConst*, GBracket*, GConst**) { return 0; }
int FindCnFromPt(GConst*, GPoint*, GConst**) { return 0; }
int FindNameFromCns(GConst*, const wxString&, GConst**) { return 0; }
