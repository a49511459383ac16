// The checks run after a line, circle or point has been made: record and
// announce the points it passes through and the circles it touches, and remove
// a new element that is only a copy of an existing one.
#include "model/Incidence.h"
#include "model/IncidenceShadow.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

using namespace incidence_now;

namespace {

template <class T>
bool Records(const T* carrier, const GPoint* P) {
  for (const GIncident* ic = carrier->ics.head; ic; ic = ic->next)
    if (ic->point == P) return true;
  return false;
}

// Names of the points of the first two records of an incidence list.
template <class T>
void FirstTwoNames(const T* carrier, std::string* a, std::string* b) {
  const GIncident* first = carrier->ics.head;
  const GIncident* second = first ? first->next : nullptr;
  *a = first && first->point ? first->point->name : std::string();
  *b = second && second->point ? second->point->name : std::string();
}

// A circle is called by its centre: the centre of a circle through a point,
// the third point of a compass circle. A circle made otherwise keeps its own name.
std::string CircleName(GDocument& doc, const GCircle* C) {
  for (GConst* c = doc.FirstConst(); c; c = c->next) {
    if (c->COutput != C) continue;
    const GPoint* centre = nullptr;
    if (c->type == CONST_MULTI_CIRCLE) centre = c->PInput1;
    if (c->type == CONST_COMPASS) centre = c->PInput3;
    if (centre) return centre->name;
    break;
  }
  return C->name;
}

// Calls visit for each element of `all` in list order, or only for those of
// `chosen` (in the same order) when the copies chose them.
template <class T, class F>
void ForEach(T* all, const std::vector<T*>* chosen, F visit) {
  if (chosen) {
    for (T* e : *chosen) visit(e);
  } else {
    for (T* e = all; e; e = e->next) visit(e);
  }
}

}  // namespace

// The copies serve while a script is read (see GIncidenceShadow), unless the
// literal reference is asked for.
GIncidenceShadow* GRelations::Shadow() {
  if (!m_Doc.ReadingScript() || m_LiteralWalk) return nullptr;
  if (!m_Shadow) m_Shadow = std::make_shared<GIncidenceShadow>();
  m_Shadow->Sync(m_Doc.Sheet());
  return m_Shadow.get();
}

void GRelations::CheckIncidency(GLine* L, bool announce) {
  if (!L) return;
  QuietCheckScope quiet(m_Doc, true, true);
  const double den = PointOnLineDivisor(L);
  GIncidenceShadow* shadow = Shadow();
  ForEach(m_Doc.Sheet().points.head, shadow ? shadow->PointsMaybeOn(L) : nullptr, [&](GPoint* P) {
    if (!MaybePointOnLine(L, P, den) || !PointOnLine(L, P) || Records(L, P) ||
        !incident_LP_global(m_Doc.FirstConst(), L, P))
      return;
    m_Doc.AssignIncident(L, P, 0.0);
    ResetLineIcPara(L);
    if (announce)
      m_Doc.User().ShowMessage(StrFormat(Tr(IncidentMsg), P->name.c_str()), Tr(IncidencyCaption));
  });
  // Tangencies are only told, never recorded.
  if (!announce) return;
  for (GCircle* C = m_Doc.Sheet().circles.head; C; C = C->next) {
    if (!LineTouchesCircle(C, L) || !tangent_CL_global(m_Doc.FirstConst(), C, L)) continue;
    if (L->icCount < 2) {
      m_Doc.User().ShowMessage(StrFormat(Tr(TangentMsgLC), CircleName(m_Doc, C).c_str()),
                               Tr(TangencyCaption));
    } else {
      std::string a, b;
      FirstTwoNames(L, &a, &b);
      m_Doc.User().ShowMessage(
          StrFormat(Tr(TangentMsgLCAB), a.c_str(), b.c_str(), CircleName(m_Doc, C).c_str()),
          Tr(TangencyCaption));
    }
  }
}

void GRelations::CheckIncidency(GCircle* C, bool announce) {
  if (!C) return;
  QuietCheckScope quiet(m_Doc, true, true);
  GIncidenceShadow* shadow = Shadow();
  ForEach(m_Doc.Sheet().points.head, shadow ? shadow->PointsMaybeOn(C) : nullptr, [&](GPoint* P) {
    if (!MaybePointOnCircle(C, P) || !PointOnCircle(C, P) || Records(C, P) ||
        !incident_CP_global(m_Doc.FirstConst(), C, P))
      return;
    m_Doc.AssignIncident(C, P, 0.0);
    ResetCircleIcPara(C);
    if (announce)
      m_Doc.User().ShowMessage(StrFormat(Tr(IncidentMsgC), P->name.c_str()), Tr(IncidencyCaption));
  });
  if (!announce) return;
  const std::string name = CircleName(m_Doc, C);
  for (GLine* L = m_Doc.Sheet().lines.head; L; L = L->next) {
    if (!LineTouchesCircle(C, L) || !tangent_CL_global(m_Doc.FirstConst(), C, L)) continue;
    if (L->icCount < 2) {
      m_Doc.User().ShowMessage(StrFormat(Tr(TangentMsgCL), name.c_str()), Tr(TangencyCaption));
    } else {
      std::string a, b;
      FirstTwoNames(L, &a, &b);
      m_Doc.User().ShowMessage(StrFormat(Tr(TangentMsgCLAB), name.c_str(), a.c_str(), b.c_str()),
                               Tr(TangencyCaption));
    }
  }
  for (GCircle* D = m_Doc.Sheet().circles.head; D; D = D->next) {
    if (D == C || !tangent_CC_global(m_Doc.FirstConst(), C, D)) continue;
    m_Doc.User().ShowMessage(
        StrFormat(Tr(TangentMsgCC), name.c_str(), CircleName(m_Doc, D).c_str()),
        Tr(TangencyCaption));
  }
}

void GRelations::CheckIncidency(GPoint* P, bool announce) {
  if (!P) return;
  QuietCheckScope quiet(m_Doc, true, true);
  for (GLine* L = m_Doc.Sheet().lines.head; L; L = L->next) {
    if (!MaybePointOnLine(L, P, PointOnLineDivisor(L)) || !PointOnLine(L, P) || Records(L, P) ||
        !incident_LP_global(m_Doc.FirstConst(), L, P))
      continue;
    m_Doc.AssignIncident(L, P, 0.0);
    ResetLineIcPara(L);
    if (!announce) continue;
    if (L->icCount < 3) {
      m_Doc.User().ShowMessage(StrFormat(Tr(IncidentMsgPL), P->name.c_str()), Tr(IncidencyCaption));
    } else {
      std::string a, b;
      FirstTwoNames(L, &a, &b);
      m_Doc.User().ShowMessage(
          StrFormat(Tr(IncidentMsgPLAB), P->name.c_str(), a.c_str(), b.c_str()),
          Tr(IncidencyCaption));
    }
  }
  // A point already recorded on a circle (an intersection registered by its
  // tool) is neither recorded twice nor announced again.
  for (GCircle* C = m_Doc.Sheet().circles.head; C; C = C->next) {
    if (!MaybePointOnCircle(C, P) || !PointOnCircle(C, P) || Records(C, P) ||
        !incident_CP_global(m_Doc.FirstConst(), C, P))
      continue;
    m_Doc.AssignIncident(C, P, 0.0);
    ResetCircleIcPara(C);
    if (announce)
      m_Doc.User().ShowMessage(StrFormat(Tr(IncidentMsgPC), P->name.c_str()), Tr(IncidencyCaption));
  }
}

int GRelations::CheckCoincidency(GPoint* P) {
  if (!P) return 0;
  bool copy = false;
  {
    QuietCheckScope quiet(m_Doc, true, true);
    for (GPoint* Q = m_Doc.Sheet().points.head; Q && !copy; Q = Q->next)
      copy = point_coincide_global(m_Doc.FirstConst(), Q, P);
  }
  if (!copy) return 0;
  m_Doc.DeletePtFromCn(&m_Doc.Sheet().consts.head, P);
  m_Doc.DeletePoint(P);
  m_Doc.Sheet().points.FixTail();
  return 1;
}

int GRelations::CheckCoincidency(GLine* L) {
  if (!L) return 0;
  bool copy = false;
  {
    QuietCheckScope quiet(m_Doc, true, true);
    GIncidenceShadow* shadow = Shadow();
    ForEach(m_Doc.Sheet().lines.head, shadow ? shadow->LinesMaybeSame(L) : nullptr, [&](GLine* M) {
      copy = copy || (MaybeSameLine(M, L) && SameLine(M, L) &&
                      line_coincide_global(m_Doc.FirstConst(), M, L));
    });
  }
  if (!copy) return 0;
  m_Doc.DeleteLnFromCn(&m_Doc.Sheet().consts.head, L);
  m_Doc.DeleteLine(L);
  m_Doc.Sheet().lines.FixTail();
  return 1;
}

int GRelations::CheckCoincidency(GCircle* C) {
  if (!C) return 0;
  bool copy = false;
  {
    QuietCheckScope quiet(m_Doc, true, true);
    for (GCircle* D = m_Doc.Sheet().circles.head; D && !copy; D = D->next)
      copy = SameCircle(D, C) && circle_coincide_global(m_Doc.FirstConst(), D, C);
  }
  if (!copy) return 0;
  m_Doc.DeleteCiFromCn(&m_Doc.Sheet().consts.head, C);
  m_Doc.DeleteCircle(C);
  m_Doc.Sheet().circles.FixTail();
  return 1;
}
