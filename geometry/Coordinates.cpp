// STUB: coordinate accessors, realp, SetLine, motion record, projective equality.
#include "model/Elements.h"

double moved_point_a11 = 0, moved_point_a12 = 0, moved_point_a21 = 0, moved_point_a22 = 0;

void GPoint::GetAij() {}
void GPoint::PushPointData() {}
void GPoint::PopPointData() {}
int GPoint::NumbOfPt() const { return 0; }
void GPoint::ClearHilight() {}
bool operator==(const GPoint&, const GPoint&) { return false; }
bool GLine::realp(double*, double*, double*) const { return false; }
void GLine::SetLine(double, double, double, double) {}
int GLine::NumOfLn() const { return 0; }
void GLine::ClearHilight() {}
bool GCircle::realp(double*, double*, double*) const { return false; }
int GCircle::NumOfCc() const { return 0; }
void GCircle::ClearHilight() {}
