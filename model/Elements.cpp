// What points, lines and circles do as elements of a sheet beyond their
// coordinates: the motion record a point keeps while the figure is dragged,
// and counting and clearing the highlight along an element list.
#include "model/Elements.h"

// The matrix that turns the previous displacement (dX, dY) into the current
// one (u, v): multiplication by the complex ratio (u + iv) / (dX + i dY),
// written as a rotation-and-scaling matrix.
void GPoint::GetAij() {
  const double u = xz().re - prevX;
  const double v = yz().re - prevY;
  if (dX == 0.0) dX = 0.01;  // a point that did not move last time still gets a matrix
  const double d = dX * dX + dY * dY;
  a11 = (u * dX + v * dY) / d;
  a21 = (v * dX - u * dY) / d;
  a12 = -a21;
  a22 = a11;
}

void GPoint::PushPointData() {
  saved[0] = a11;
  saved[1] = a12;
  saved[2] = a21;
  saved[3] = a22;
  saved[4] = prevX;
  saved[5] = prevY;
  saved[6] = dX;
  saved[7] = dY;
}

void GPoint::PopPointData() {
  a11 = saved[0];
  a12 = saved[1];
  a21 = saved[2];
  a22 = saved[3];
  prevX = saved[4];
  prevY = saved[5];
  dX = saved[6];
  dY = saved[7];
}

namespace {

// Elements of one kind are chained through `next`; these walk the chain from
// the element they are called on.
template <class E>
int ChainLength(const E* e) {
  int n = 0;
  for (; e; e = e->next) ++n;
  return n;
}

template <class E>
void ClearChainHilight(E* e) {
  for (; e; e = e->next) e->hilighted = 0;
}

}  // namespace

int GPoint::NumbOfPt() const { return ChainLength(this); }
void GPoint::ClearHilight() { ClearChainHilight(this); }
int GLine::NumOfLn() const { return ChainLength(this); }
void GLine::ClearHilight() { ClearChainHilight(this); }
int GCircle::NumOfCc() const { return ChainLength(this); }
void GCircle::ClearHilight() { ClearChainHilight(this); }
