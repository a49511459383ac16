// STUB: to be implemented.
#include "model/Document.h"

bool GDocument::incident_LP_local(GLine* /*unused*/, GPoint* /*unused*/) { return false; }
bool GDocument::incident_CP_local(GCircle* /*unused*/, GPoint* /*unused*/) { return false; }
bool GDocument::tangent_CL_local(GCircle* /*unused*/, GLine* /*unused*/) { return false; }
bool GDocument::tangent_CC_local(GCircle* /*unused*/, GCircle* /*unused*/) { return false; }
bool GDocument::point_coincide_local(GPoint* /*unused*/, GPoint* /*unused*/) { return false; }
bool GDocument::line_coincide_local(GLine* /*unused*/, GLine* /*unused*/) { return false; }
bool GDocument::circle_coincide_local(GCircle* /*unused*/, GCircle* /*unused*/) { return false; }
bool GDocument::incident_LP_global(GConst* /*unused*/, GLine* /*unused*/, GPoint* /*unused*/) {
  return false;
}
bool GDocument::incident_CP_global(GConst* /*unused*/, GCircle* /*unused*/, GPoint* /*unused*/) {
  return false;
}
bool GDocument::tangent_CL_global(GConst* /*unused*/, GCircle* /*unused*/, GLine* /*unused*/) {
  return false;
}
bool GDocument::tangent_CC_global(GConst* /*unused*/, GCircle* /*unused*/, GCircle* /*unused*/) {
  return false;
}
bool GDocument::point_coincide_global(GConst* /*unused*/, GPoint* /*unused*/, GPoint* /*unused*/) {
  return false;
}
bool GDocument::line_coincide_global(GConst* /*unused*/, GLine* /*unused*/, GLine* /*unused*/) {
  return false;
}
bool GDocument::circle_coincide_global(GConst* /*unused*/, GCircle* /*unused*/,
                                       GCircle* /*unused*/) {
  return false;
}
void GDocument::CheckIncidency(GLine* /*unused*/, bool /*unused*/) {}
void GDocument::CheckIncidency(GCircle* /*unused*/, bool /*unused*/) {}
void GDocument::CheckIncidency(GPoint* /*unused*/, bool /*unused*/) {}
int GDocument::CheckCoincidency(GPoint* /*unused*/) { return 0; }
int GDocument::CheckCoincidency(GLine* /*unused*/) { return 0; }
int GDocument::CheckCoincidency(GCircle* /*unused*/) { return 0; }
