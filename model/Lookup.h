// Finding existing construction steps by their inputs, outputs and names.
// Each walks a construction list from the given step in list order and
// reports the first match. Note the reversed results of FindMeetFromCn and
// FindCnFromPt (0 when found).
#pragma once

#include "model/GConst.h"

int FindParaFromCns(GConst* list, GLine* L, GPoint* P, GConst** out);
int FindPerpFromCns(GConst* list, GLine* L, GPoint* P, GConst** out);
int FindJoinFromCns(GConst* list, GPoint* P, GPoint* Q, GConst** out);
int FindMeetFromCn(GConst* list, GLine* L, GLine* M, GConst** out);
int Find3PBisectorFromCns(GConst* list, GPoint* P1, GPoint* P2, GPoint* P3, GConst** out);
int FindTangentFromCns(GConst* list, GCircle* C, GPoint* P, GConst** out);
int FindCurveTangentFromCns(GConst* list, GParaCurve* C, GPoint* P, GConst** out);
int FindLineWithAngleFromCns(GConst* list, GLine* L, GPoint* P, GAngle* A, GConst** out);
int FindLineWithAngleDegreeFromCns(GConst* list, GLine* L, GPoint* P, double deg, GConst** out);
int FindBisectorFromCns(GConst* list, GLine* L, GLine* M, double side, GConst** out);
// The step making the line a bound point lies on (not for CONST_ON_LINE):
// the point's step holds the inputs of that line's step.
int FindCarrierFromCns(GConst* list, const GConst* point, GConst** out);
int FindPtFromCn(GConst* list, GPoint* P, GConst** out);
int FindLnFromCn(GConst* list, GLine* L, GConst** out);
int FindCiFromCn(GConst* list, GCircle* C, GConst** out);
int FindCurveFromCn(GConst* list, GParaCurve* C, GConst** out);
int FindAngleFromCn(GConst* list, GAngle* A, GConst** out);
int FindBrFromCn(GConst* list, GBracket* B, GConst** out);
int FindCnFromPt(GConst* list, GPoint* P, GConst** out);
int FindNameFromCns(GConst* list, const std::string& name, GConst** out);
