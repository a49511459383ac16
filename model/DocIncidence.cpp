// Incidence, tangency and coincidence: the tests in the present position, the
// tests for every position of the free points, and the checks that record,
// announce or remove what a new line, circle or point turns out to be.
#include "model/Incidence.h"
#include "model/Lookup.h"
#include "model/Translate.h"

const char* const IncidentMsg = N_("(*^_^*) This line thru point %s.");
const char* const IncidentMsgC = N_("(*^_^*) This circle thru point %s.");
const char* const IncidentMsgPL = N_("(*^_^*) Point %s is on this line.");
const char* const IncidentMsgPLAB = N_("(*^_^*) Point %s is on line %s%s.");
const char* const IncidentMsgPC = N_("(*^_^*) Point %s is on this circle.");
const char* const TangentMsgLC = N_("(*^_^*) This line is tangent to circle %s.");
const char* const TangentMsgLCAB = N_("(*^_^*) Line %s%s is tangent to circle %s.");
const char* const TangentMsgCL = N_("(*^_^*) Circle %s is tangent to this line.");
const char* const TangentMsgCLAB = N_("(*^_^*) Circle %s is tangent to line %s%s.");
const char* const TangentMsgCC = N_("(*^_^*) Circle %s is tangent to circle %s.");
const char* const IncidencyCaption = N_("Incidency Test");
const char* const TangencyCaption = N_("Tangency Test");

using namespace incidence_now;

bool GRelations::incident_LP_local(GLine* L, GPoint* P) { return PointOnLine(L, P); }

bool GRelations::incident_CP_local(GCircle* C, GPoint* P) { return PointOnCircle(C, P); }

bool GRelations::tangent_CL_local(GCircle* C, GLine* L) { return LineTouchesCircle(C, L); }

bool GRelations::tangent_CC_local(GCircle* C1, GCircle* C2) {
  if (!C1 || !C2) return false;
  const double r1 = std::sqrt(C1->r2.re), r2 = std::sqrt(C2->r2.re);
  const CComplex dx = C1->cx - C2->cx, dy = C1->cy - C2->cy;
  const double delta = std::sqrt((dx * dx + dy * dy).re);
  return Within(r1 + r2, delta, 0.0001) || Within(r2 + delta, r1, 0.0001) ||
         Within(r1 + delta, r2, 0.0001);
}

bool GRelations::point_coincide_local(GPoint* P, GPoint* Q) {
  if (!P || !Q || P == Q) return false;
  const CComplex u[3] = {P->x, P->y, P->z}, v[3] = {Q->x, Q->y, Q->z};
  return Aligned(u, v);
}

bool GRelations::line_coincide_local(GLine* L, GLine* M) { return SameLine(L, M); }

bool GRelations::circle_coincide_local(GCircle* C, GCircle* D) { return SameCircle(C, D); }

bool RelationHoldsNow(GDocument& doc, const Relation& r) {
  switch (r.kind) {
    case RelationKind::kPointOnLine:
      return PointOnLine(r.line1, r.point1);
    case RelationKind::kPointOnCircle:
      return PointOnCircle(r.circle1, r.point1);
    case RelationKind::kLineTouchesCircle:
      return LineTouchesCircle(r.circle1, r.line1);
    case RelationKind::kCirclesTouch:
      return doc.Relations().tangent_CC_local(r.circle1, r.circle2);
    case RelationKind::kSamePoint:
      return doc.Relations().point_coincide_local(r.point1, r.point2);
    case RelationKind::kSameLine:
      return SameLine(r.line1, r.line2);
    case RelationKind::kSameCircle:
      return SameCircle(r.circle1, r.circle2);
  }
  return false;
}

// ---- for every position of the free points ----

bool GRelations::incident_LP_global(GConst* from, GLine* L, GPoint* P) {
  if (!L || !P || L->hidden || P->hidden) return false;
  Relation r{.kind = RelationKind::kPointOnLine, .point1 = P, .line1 = L};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::incident_CP_global(GConst* from, GCircle* C, GPoint* P) {
  if (!C || !P || C->hidden || P->hidden) return false;
  Relation r{.kind = RelationKind::kPointOnCircle, .point1 = P, .circle1 = C};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::tangent_CL_global(GConst* from, GCircle* C, GLine* L) {
  if (!C || !L || C->hidden || L->hidden) return false;
  Relation r{.kind = RelationKind::kLineTouchesCircle, .line1 = L, .circle1 = C};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::tangent_CC_global(GConst* from, GCircle* C1, GCircle* C2) {
  if (!C1 || !C2 || C1->hidden || C2->hidden) return false;
  Relation r{.kind = RelationKind::kCirclesTouch, .circle1 = C1, .circle2 = C2};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::point_coincide_global(GConst* from, GPoint* P, GPoint* Q) {
  Relation r{.kind = RelationKind::kSamePoint, .point1 = P, .point2 = Q};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::line_coincide_global(GConst* from, GLine* L, GLine* M) {
  Relation r{.kind = RelationKind::kSameLine, .line1 = L, .line2 = M};
  return RelationHoldsEverywhere(m_Doc, from, r);
}

bool GRelations::circle_coincide_global(GConst* from, GCircle* C, GCircle* D) {
  Relation r{.kind = RelationKind::kSameCircle, .circle1 = C, .circle2 = D};
  return RelationHoldsEverywhere(m_Doc, from, r);
}
