// STUB: to be implemented.
#include "model/Document.h"

void GDocument::ResetLineIcPara(GLine* /*unused*/) {}
void GDocument::ResetCircleIcPara(GCircle* /*unused*/) {}
void GDocument::ResetIcs(GConst* /*unused*/, GLine* /*unused*/) {}
void GDocument::ResetIcs(GConst* /*unused*/, GCircle* /*unused*/) {}
void FindLineends(GIncident*, GIncident** low, GIncident** high) { *low = *high = nullptr; }
