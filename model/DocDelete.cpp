// STUB: to be implemented.
#include "model/Document.h"

void GDocument::DeleteConst(GConst* /*unused*/) {}
void GDocument::DeletePoint(GPoint* /*unused*/) {}
void GDocument::DeleteLine(GLine* /*unused*/) {}
void GDocument::DeleteCircle(GCircle* /*unused*/) {}
void GDocument::DeleteCurve(GParaCurve* /*unused*/) {}
void GDocument::DeleteText(GText* /*unused*/) {}
void GDocument::DeleteAngle(GAngle* /*unused*/) {}
void GDocument::DeleteImage(GImage* /*unused*/) {}
void GDocument::DeleteBracket(GBracket* /*unused*/) {}
void GDocument::DeleteOutputOf(GConst* /*unused*/) {}
