// Incidence, tangency and coincidence: the tests in the present position, the
// tests for every position of the free points, and the checks that record,
// announce or remove what a new line, circle or point turns out to be.
#include "model/Incidence.h"
#include "model/Lookup.h"

const char* const IncidentMsg = "(*^_^*) This line thru point %s.";
const char* const IncidentMsgC = "(*^_^*) This circle thru point %s.";
const char* const IncidentMsgPL = "(*^_^*) Point %s is on this line.";
const char* const IncidentMsgPLAB = "(*^_^*) Point %s is on line %s%s.";
const char* const IncidentMsgPC = "(*^_^*) Point %s is on this circle.";
const char* const TangentMsgLC = "(*^_^*) This line is tangent to circle %s.";
const char* const TangentMsgLCAB = "(*^_^*) Line %s%s is tangent to circle %s.";
const char* const TangentMsgCL = "(*^_^*) Circle %s is tangent to this line.";
const char* const TangentMsgCLAB = "(*^_^*) Circle %s is tangent to line %s%s.";
const char* const TangentMsgCC = "(*^_^*) Circle %s is tangent to circle %s.";
const char* const IncidencyCaption = "Incidency Test";
const char* const TangencyCaption = "Tangency Test";

namespace {

bool Within(double v, double target, double slack) {
  return (1.0 - slack) * target <= v && v <= (1.0 + slack) * target;
}

// |<u, v>|² / (|u|²·|v|²): 1 exactly when the complex vectors are parallel.
double Alignment(const CComplex u[3], const CComplex v[3]) {
  CComplex dot;
  double uu = 0, vv = 0;
  for (int i = 0; i < 3; ++i) {
    dot += u[i] * conjugate(v[i]);
    uu += norm2(u[i]);
    vv += norm2(v[i]);
  }
  return norm2(dot) / (uu * vv);
}

}  // namespace

bool GDocument::incident_LP_local(GLine* L, GPoint* P) {
  if (!L || !P) return false;
  const CComplex v = L->a * P->x + L->b * P->y + L->c * P->z;
  return norm2(v) / (L->a.re * L->a.re + L->b.re * L->b.re) < 0.00001;
}

bool GDocument::incident_CP_local(GCircle* C, GPoint* P) {
  // A point at infinity has no affine position; dividing it out would put it
  // at the origin and make it "lie" on every circle through the origin.
  if (!C || !P || P->z.zerop()) return false;
  const double s = norm2(C->cx - P->xz()) + norm2(C->cy - P->yz());
  return Within(s, C->r2.re, 0.00001);
}

bool GDocument::tangent_CL_local(GCircle* C, GLine* L) {
  if (!C || !L) return false;
  const double e = (L->a * C->cx + L->b * C->cy + L->c).re;
  const double d = e * e / (L->a * L->a + L->b * L->b).re;
  return Within(d, C->r2.re, 0.00001);
}

bool GDocument::tangent_CC_local(GCircle* C1, GCircle* C2) {
  if (!C1 || !C2) return false;
  const double r1 = std::sqrt(C1->r2.re), r2 = std::sqrt(C2->r2.re);
  const CComplex dx = C1->cx - C2->cx, dy = C1->cy - C2->cy;
  const double delta = std::sqrt((dx * dx + dy * dy).re);
  return Within(r1 + r2, delta, 0.0001) || Within(r2 + delta, r1, 0.0001) ||
         Within(r1 + delta, r2, 0.0001);
}

bool GDocument::point_coincide_local(GPoint* P, GPoint* Q) {
  if (!P || !Q || P == Q) return false;
  const CComplex u[3] = {P->x, P->y, P->z}, v[3] = {Q->x, Q->y, Q->z};
  return Alignment(u, v) > 0.99999;
}

bool GDocument::line_coincide_local(GLine* L, GLine* M) {
  if (!L || !M || L == M) return false;
  const CComplex u[3] = {L->a, L->b, L->c}, v[3] = {M->a, M->b, M->c};
  return Alignment(u, v) > 0.99999;
}

bool GDocument::circle_coincide_local(GCircle* C, GCircle* D) {
  if (!C || !D || C == D) return false;
  return norm2(C->cx - D->cx) + norm2(C->cy - D->cy) + norm2(C->r2 - D->r2) < 0.00001;
}

bool RelationHoldsNow(GDocument& doc, const Relation& r) {
  switch (r.kind) {
    case RelationKind::kPointOnLine:
      return doc.incident_LP_local(r.line1, r.point1);
    case RelationKind::kPointOnCircle:
      return doc.incident_CP_local(r.circle1, r.point1);
    case RelationKind::kLineTouchesCircle:
      return doc.tangent_CL_local(r.circle1, r.line1);
    case RelationKind::kCirclesTouch:
      return doc.tangent_CC_local(r.circle1, r.circle2);
    case RelationKind::kSamePoint:
      return doc.point_coincide_local(r.point1, r.point2);
    case RelationKind::kSameLine:
      return doc.line_coincide_local(r.line1, r.line2);
    case RelationKind::kSameCircle:
      return doc.circle_coincide_local(r.circle1, r.circle2);
  }
  return false;
}

// ---- for every position of the free points ----

bool GDocument::incident_LP_global(GConst* from, GLine* L, GPoint* P) {
  if (!L || !P || L->hidden || P->hidden) return false;
  Relation r{.kind = RelationKind::kPointOnLine, .point1 = P, .line1 = L};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::incident_CP_global(GConst* from, GCircle* C, GPoint* P) {
  if (!C || !P || C->hidden || P->hidden) return false;
  Relation r{.kind = RelationKind::kPointOnCircle, .point1 = P, .circle1 = C};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::tangent_CL_global(GConst* from, GCircle* C, GLine* L) {
  if (!C || !L || C->hidden || L->hidden) return false;
  Relation r{.kind = RelationKind::kLineTouchesCircle, .line1 = L, .circle1 = C};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::tangent_CC_global(GConst* from, GCircle* C1, GCircle* C2) {
  if (!C1 || !C2 || C1->hidden || C2->hidden) return false;
  Relation r{.kind = RelationKind::kCirclesTouch, .circle1 = C1, .circle2 = C2};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::point_coincide_global(GConst* from, GPoint* P, GPoint* Q) {
  Relation r{.kind = RelationKind::kSamePoint, .point1 = P, .point2 = Q};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::line_coincide_global(GConst* from, GLine* L, GLine* M) {
  Relation r{.kind = RelationKind::kSameLine, .line1 = L, .line2 = M};
  return RelationHoldsEverywhere(*this, from, r);
}

bool GDocument::circle_coincide_global(GConst* from, GCircle* C, GCircle* D) {
  Relation r{.kind = RelationKind::kSameCircle, .circle1 = C, .circle2 = D};
  return RelationHoldsEverywhere(*this, from, r);
}
