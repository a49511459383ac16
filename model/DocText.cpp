// STUB: to be implemented.
#include "model/Document.h"

void GDocument::WriteConst(GConst*) {}
