// GRelations: the document's incidence machinery — which points lie on which
// lines and circles, which lines and circles touch, which elements repeat
// others — tested now and for every position of the free points, recorded in
// the carriers' incidence lists with their parameters, and announced.
#pragma once

#include <memory>
#include <string>

class GDocument;
struct GConst;
struct GPoint;
struct GLine;
struct GCircle;
struct GStepGraph;
struct GIncidenceShadow;

class GRelations {
 public:
  explicit GRelations(GDocument& doc) : m_Doc(doc) {}
  GRelations(const GRelations&) = delete;
  GRelations& operator=(const GRelations&) = delete;

  // ---- in the present position (model/DocIncidence.cpp) ----
  bool incident_LP_local(GLine*, GPoint*);
  bool incident_CP_local(GCircle*, GPoint*);
  bool tangent_CL_local(GCircle*, GLine*);
  bool tangent_CC_local(GCircle*, GCircle*);
  bool point_coincide_local(GPoint*, GPoint*);
  bool line_coincide_local(GLine*, GLine*);
  bool circle_coincide_local(GCircle*, GCircle*);
  // ---- for every position of the free points whose steps lie at or after `from` ----
  bool incident_LP_global(GConst* from, GLine*, GPoint*);
  bool incident_CP_global(GConst* from, GCircle*, GPoint*);
  bool tangent_CL_global(GConst* from, GCircle*, GLine*);
  bool tangent_CC_global(GConst* from, GCircle*, GCircle*);
  bool point_coincide_global(GConst* from, GPoint*, GPoint*);
  bool line_coincide_global(GConst* from, GLine*, GLine*);
  bool circle_coincide_global(GConst* from, GCircle*, GCircle*);

  // ---- the checks after a new element (model/DocIncidenceChecks.cpp) ----
  // Records the points a new line or circle passes through (or the carriers a
  // new point lies on) and, with announce, tells them and the tangencies.
  void CheckIncidency(GLine*, bool announce);
  void CheckIncidency(GCircle*, bool announce);
  void CheckIncidency(GPoint*, bool announce);
  // A new element that repeats an existing one everywhere is removed with
  // its step: 1, else 0.
  int CheckCoincidency(GPoint*);
  int CheckCoincidency(GLine*);
  int CheckCoincidency(GCircle*);
  // A new point, line or circle that only repeats an existing one is removed
  // again (false); otherwise its relations to the others are checked.
  template <class T>
  bool CheckNewElement(T* e, bool announce) {
    if (CheckCoincidency(e)) return false;
    CheckIncidency(e, announce);
    return true;
  }

  // ---- parameters of the recorded points (model/DocIcPara.cpp) ----
  void ResetLineIcPara(GLine*);
  // The same when the caller knows `maker`, the first step of the list that
  // makes L (the reader does), sparing the search for it.
  void ResetLineIcPara(GLine* L, GConst* maker);
  void ResetCircleIcPara(GCircle*);
  // Rebuilds the records of the given lines (or circles) from the steps.
  void ResetIcs(GConst* first, GLine* lines);
  void ResetIcs(GConst* first, GCircle* circles);

  // Incidence checks move every free point and evaluate the whole list
  // (the slow reference walk) instead of only what the two elements depend on,
  // and look at every element of the sheet, without the copies of positions
  // that choose candidates while a script is read.
  bool LiteralWalk() const { return m_LiteralWalk; }
  void SetLiteralWalk(bool on) { m_LiteralWalk = on; }
  // Which step reads which, for the walk (model/StepGraph.h); it checks its
  // record against the history's version of the step lists.
  GStepGraph& StepGraph();
  // Copies of the positions of the sheet's points and lines that choose what
  // a check looks at while a script is read (model/IncidenceShadow.h); none
  // when the literal walk is asked for or no script is being read.
  GIncidenceShadow* Shadow();
  // The copies are dropped when a read ends, so the next read starts afresh.
  void DropShadow() { m_Shadow.reset(); }

 private:
  GDocument& m_Doc;
  bool m_LiteralWalk = false;
  std::shared_ptr<GStepGraph> m_StepGraph;
  std::shared_ptr<GIncidenceShadow> m_Shadow;
};
