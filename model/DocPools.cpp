// STUB: to be implemented.
#include "model/Document.h"

GPoint* GDocument::NewPoint(CComplex /*unused*/, CComplex /*unused*/, CComplex /*unused*/) {
  return nullptr;
}
GPoint* GDocument::NewPoint(CComplex /*unused*/, CComplex /*unused*/) { return nullptr; }
GLine* GDocument::NewLine(CComplex /*unused*/, CComplex /*unused*/, CComplex /*unused*/) {
  return nullptr;
}
GLine* GDocument::NewLine(double /*unused*/, double /*unused*/, double /*unused*/,
                          double /*unused*/) {
  return nullptr;
}
GCircle* GDocument::NewCircle(double /*unused*/, double /*unused*/, double /*unused*/) {
  return nullptr;
}
GText* GDocument::NewText(const std::string& /*unused*/) { return nullptr; }
GParaCurve* GDocument::NewCurve() { return nullptr; }
GAngle* GDocument::NewAngle(double /*unused*/) { return nullptr; }
GAngle* GDocument::NewAngle(CComplex /*unused*/) { return nullptr; }
GBracket* GDocument::NewBracket(GPoint* /*unused*/, GPoint* /*unused*/) { return nullptr; }
GImage* GDocument::NewImage() { return nullptr; }
void GDocument::AssignPoint(GPoint* /*unused*/) {}
void GDocument::AssignLine(GLine* /*unused*/) {}
void GDocument::AssignCircle(GCircle* /*unused*/) {}
void GDocument::AssignText(GText* /*unused*/) {}
void GDocument::AssignCurve(GParaCurve* /*unused*/) {}
void GDocument::AssignAngle(GAngle* /*unused*/) {}
void GDocument::AssignBracket(GBracket* /*unused*/) {}
void GDocument::AssignImage(GImage* /*unused*/) {}
void GDocument::DeleteAllPoints(GPoint* /*unused*/) {}
void GDocument::DeleteAllLines(GLine* /*unused*/) {}
void GDocument::DeleteAllCircles(GCircle* /*unused*/) {}
void GDocument::DeleteAllTexts(GText* /*unused*/) {}
void GDocument::DeleteAllCurves(GParaCurve* /*unused*/) {}
void GDocument::DeleteAllAngles(GAngle* /*unused*/) {}
void GDocument::DeleteAllBrackets(GBracket* /*unused*/) {}
void GDocument::DeleteAllImages(GImage* /*unused*/) {}
GPoint* GDocument::makePClone(GPoint* /*unused*/) { return nullptr; }
GLine* GDocument::makeLClone(GLine* /*unused*/) { return nullptr; }
GCircle* GDocument::makeCClone(GCircle* /*unused*/) { return nullptr; }
void GDocument::copyToPClone(GPoint* /*unused*/, GPoint* /*unused*/) {}
void GDocument::copyToLClone(GLine* /*unused*/, GLine* /*unused*/) {}
void GDocument::copyToCClone(GCircle* /*unused*/, GCircle* /*unused*/) {}
void GDocument::deletePClone(GPoint* /*unused*/) {}
void GDocument::deleteLClone(GLine* /*unused*/) {}
void GDocument::deleteCClone(GCircle* /*unused*/) {}
void GDocument::AssignIncident(GLine* /*unused*/, GPoint* /*unused*/, double /*unused*/) {}
void GDocument::AssignIncident(GCircle* /*unused*/, GPoint* /*unused*/, double /*unused*/) {}
void GDocument::DeleteIcs(GLine* /*unused*/) {}
void GDocument::DeleteIcs(GCircle* /*unused*/) {}
void GDocument::DeletePtFromIcs(GPoint* /*unused*/) {}
