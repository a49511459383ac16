// STUB: to be implemented.
#include "model/Document.h"

int GDocument::FindAnotherMeet(GCircle* /*unused*/, GLine* /*unused*/, GPoint** /*unused*/) {
  return 0;
}
int GDocument::FindAnotherMeet(GCircle* /*unused*/, GCircle* /*unused*/, GPoint** /*unused*/) {
  return 0;
}
GPoint* GDocument::FindPtFromPts(GPoint* /*unused*/, GPoint* /*unused*/) { return nullptr; }
