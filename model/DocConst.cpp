// STUB: to be implemented.
#include "model/Document.h"

GConst* GDocument::NewConst(int /*unused*/) { return nullptr; }
void GDocument::EvaluateConst(GConst* /*unused*/) {}
int GDocument::DeletePtFromCn(GConst** /*unused*/, GPoint* /*unused*/) { return 0; }
int GDocument::DeleteLnFromCn(GConst** /*unused*/, GLine* /*unused*/) { return 0; }
int GDocument::DeleteCiFromCn(GConst** /*unused*/, GCircle* /*unused*/) { return 0; }
void GDocument::DeleteAllConstFromSheet(GConst* /*unused*/) {}
void GDocument::ClearConst() {}
void GDocument::PushConst(GConst* /*unused*/) {}
GConst* GDocument::PopConst() { return nullptr; }
