// STUB: dispatch of step evaluation, output kinds and kind names.
#include "model/GConst.h"

int GConst::Evaluate() { return 0; }
int GConst::Output_Type() const { return 0; }
const char* ConstName(int) { return ""; }
