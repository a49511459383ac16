// STUB
#include "model/GConst.h"

int GConst::Evaluate_MeetCL() { return 1; }
int GConst::Evaluate_MeetCC() { return 1; }
