// STUB
#include "geometry/Meet.h"

GPoint Meet(const GLine*, const GLine*) { return GPoint(); }
void Meet_CL(CComplex, CComplex, CComplex, CComplex, CComplex, CComplex, CComplex*, CComplex*) {}
void Proj2Circle(const GCircle*, double*, double*) {}
void Meet(const GCircle*, const GCircle*, double*, double*) {}
