// Relations between elements that the incidence checks look for (a point on a
// line or circle, a tangency, two equal elements), the walk that decides
// whether a relation holds for every position of the free points, and the
// texts of the messages that announce found relations.
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"

// Message texts ("%s" stands for element names) and their captions.
extern const char* const IncidentMsg;
extern const char* const IncidentMsgC;
extern const char* const IncidentMsgPL;
extern const char* const IncidentMsgPLAB;
extern const char* const IncidentMsgPC;
extern const char* const TangentMsgLC;
extern const char* const TangentMsgLCAB;
extern const char* const TangentMsgCL;
extern const char* const TangentMsgCLAB;
extern const char* const TangentMsgCC;
extern const char* const IncidencyCaption;
extern const char* const TangencyCaption;

enum class RelationKind {
  kPointOnLine,
  kPointOnCircle,
  kLineTouchesCircle,
  kCirclesTouch,
  kSamePoint,
  kSameLine,
  kSameCircle,
};

// One relation to test; only the fields its kind names are used.
struct Relation {
  RelationKind kind = RelationKind::kSamePoint;
  GPoint *point1 = nullptr, *point2 = nullptr;
  GLine *line1 = nullptr, *line2 = nullptr;
  GCircle *circle1 = nullptr, *circle2 = nullptr;
};

// The relation in the present position of the figure.
bool RelationHoldsNow(GDocument& doc, const Relation& r);

// True when the relation holds now and still holds after each free point whose
// step lies at or after `from` has been moved by 0.1 world units along x and,
// separately, along y (the figure re-evaluated each time). The figure is left
// exactly as it was: coordinates, intersection branches and motion records.
// The figure must be evaluated at its present positions (the checks see to it).
// Unless doc.m_LiteralIncidenceWalk is set, only the free points the two
// elements depend on are moved and only the steps they drive are evaluated,
// with the same outcome as moving every free point and evaluating the whole
// list.
bool RelationHoldsEverywhere(GDocument& doc, GConst* from, const Relation& r);

// While alive: the drag prediction of circle intersections is off (no point is
// being dragged and the motion matrix is zero), so a check never depends on how
// the last drag moved; every point's motion record is put back at the end.
// With evaluate set, the sheet is first evaluated at its present positions
// (unless a script is being read, which keeps it evaluated step by step).
class QuietCheckScope {
 public:
  QuietCheckScope(GDocument& doc, bool saveMotion, bool evaluate);
  ~QuietCheckScope();
  QuietCheckScope(const QuietCheckScope&) = delete;
  QuietCheckScope& operator=(const QuietCheckScope&) = delete;

 private:
  GDocument& doc_;
  GPoint* movingPoint_;
  GMotion dragMotion_;
  bool saveMotion_;
  std::vector<double> motion_;  // eight doubles per point-pool slot
};
