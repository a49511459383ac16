// Finding points already present at an intersection: the other meeting point
// of a circle with a line or a second circle, known from the incidence lists,
// and an existing point at the same position as a given one.
#include "model/Document.h"

namespace {

bool HasIncidentPoint(const GList<GIncident>& ics, const GPoint* p) {
  for (const GIncident* ic = ics.head; ic != nullptr; ic = ic->next)
    if (ic->point == p) return true;
  return false;
}

// The first point registered on the circle that is also registered on the
// other carrier: both elements pass through it, so it is one of their meets.
template <class Carrier>
int FindCommonIncident(const GCircle* c, const Carrier* other, GPoint** out) {
  if (out != nullptr) *out = nullptr;
  if (c == nullptr || other == nullptr || out == nullptr) return 0;
  for (const GIncident* ic = c->ics.head; ic != nullptr; ic = ic->next) {
    if (ic->point != nullptr && HasIncidentPoint(other->ics, ic->point)) {
      *out = ic->point;
      return 1;
    }
  }
  return 0;
}

}  // namespace

int GDocument::FindAnotherMeet(GCircle* c, GLine* l, GPoint** out) {
  return FindCommonIncident(c, l, out);
}

int GDocument::FindAnotherMeet(GCircle* c1, GCircle* c2, GPoint** out) {
  return FindCommonIncident(c1, c2, out);
}

// Two homogeneous points are the same when their coordinate vectors are
// parallel, that is when all three 2x2 minors of the pair vanish. All three
// are needed: with only two, any two points with y = 0 would pass.
GPoint* GDocument::FindPtFromPts(GPoint* from, GPoint* q) {
  if (from == nullptr || q == nullptr) return nullptr;
  for (GPoint* p = from; p != nullptr; p = p->next) {
    if (p == q) continue;
    if (p->y * q->x == p->x * q->y && p->z * q->y == p->y * q->z && p->x * q->z == p->z * q->x)
      return p;
  }
  return nullptr;
}
