// Evaluated texts live in the model now (curves substitute element values
// into their formulas); this name stays for the code that includes it here.
#pragma once

#include "model/EvalText.h"
