// A test fixture that builds figures step by step as the tools do (free points,
// joins, midpoints, meets, circles) and reads back the whole state of a sheet
// to show that a check leaves it untouched.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "Recorder.h"
#include "model/Gesture.h"

class FigureTest : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};  // the tools' half: builders, placing, hit tests, drags

  GPoint* NewListedPoint(double x, double y, const char* name) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
    p->name = std::string(name);
    return p;
  }
  GPoint* Free(double x, double y, const char* name) {
    GConst* k = doc->NewConst(CONST_FREE);
    k->PInput1 = k->POutput = NewListedPoint(x, y, name);
    k->Evaluate();
    return k->POutput;
  }
  GConst* PointStep(GStepKind type, GPoint* p1, GPoint* p2, const char* name) {
    GConst* k = doc->NewConst(type);
    k->PInput1 = p1;
    k->PInput2 = p2;
    k->POutput = NewListedPoint(0, 0, name);
    return k;
  }
  GPoint* Mid(GPoint* p, GPoint* q, const char* name) {
    GConst* k = PointStep(CONST_MID, p, q, name);
    k->Evaluate();
    return k->POutput;
  }
  // The line through p and q, with p and q recorded on it at 0 and 1.
  GLine* Join(GPoint* p, GPoint* q) {
    GConst* k = doc->NewConst(CONST_JOIN);
    k->PInput1 = p;
    k->PInput2 = q;
    k->LOutput = doc->NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
    doc->AssignLine(k->LOutput);
    k->Evaluate();
    doc->AssignIncident(k->LOutput, p, 0);
    doc->AssignIncident(k->LOutput, q, 1);
    return k->LOutput;
  }
  // A line step of the given kind through p, with p recorded on it.
  GLine* LineStep(GStepKind type, GLine* l, GPoint* p) {
    GConst* k = doc->NewConst(type);
    k->LInput1 = l;
    k->PInput1 = p;
    k->LOutput = doc->NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
    doc->AssignLine(k->LOutput);
    k->Evaluate();
    doc->AssignIncident(k->LOutput, p, 0);
    return k->LOutput;
  }
  // The meeting point of two lines, recorded on both.
  GPoint* Meet(GLine* l, GLine* m, const char* name) {
    GConst* k = doc->NewConst(CONST_MEET);
    k->LInput1 = l;
    k->LInput2 = m;
    k->POutput = NewListedPoint(0, 0, name);
    k->Evaluate();
    doc->AssignIncident(l, k->POutput, 0);
    doc->AssignIncident(m, k->POutput, 0);
    doc->Relations().ResetLineIcPara(l);
    doc->Relations().ResetLineIcPara(m);
    return k->POutput;
  }
  // The circle about `centre` through `on`, with `on` recorded on it.
  GCircle* Circle(GPoint* centre, GPoint* on, const char* name = "") {
    GConst* k = doc->NewConst(CONST_MULTI_CIRCLE);
    k->PInput1 = centre;
    k->PInput2 = on;
    k->COutput = doc->NewCircle(0, 0, 1);
    k->COutput->name = std::string(name);  // a copy, as above
    doc->AssignCircle(k->COutput);
    k->Evaluate();
    doc->AssignIncident(k->COutput, on, 0);
    doc->Relations().ResetCircleIcPara(k->COutput);
    return k->COutput;
  }
  // A point on a circle at the clockwise angle theta.
  GPoint* OnCircle(GCircle* c, double theta, const char* name) {
    GConst* k = doc->NewConst(CONST_PT_ON_CIRCLE);
    k->CInput1 = c;
    k->param1 = CComplex(theta, 0);
    k->POutput = NewListedPoint(0, 0, name);
    k->Evaluate();
    doc->AssignIncident(c, k->POutput, theta);
    return k->POutput;
  }
  // An intersection placed near (x, y), as the placing tool leaves it.
  GPoint* MeetNear(GStepKind type, GLine* l, GCircle* c1, GCircle* c2, double x, double y,
                   const char* name) {
    GConst* k = doc->NewConst(type);
    k->LInput1 = l;
    k->CInput1 = c1;
    k->CInput2 = c2;
    k->POutput = NewListedPoint(x, y, name);
    k->param1 = CComplex(x, 0);
    k->param2 = CComplex(y, 0);
    k->param3 = k->param4 = kNoRejectedMeet;
    k->Evaluate();
    return k->POutput;
  }
  void Evaluate() { doc->EvaluateConst(doc->FirstConst()); }
  void Drag(GPoint* p, double x, double y) {
    p->x = CComplex(x, 0);
    p->y = CComplex(y, 0);
    Evaluate();
  }

  // Everything evaluation may change, as raw bytes: coordinates of points,
  // lines and circles, motion records, and the parameters of every step.
  std::vector<unsigned char> State() {
    std::vector<unsigned char> s;
    auto put = [&s](const void* p, size_t n) {
      const auto* b = static_cast<const unsigned char*>(p);
      s.insert(s.end(), b, b + n);
    };
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) {
      const CComplex v[3] = {p->x, p->y, p->z};
      const double m[8] = {p->a11, p->a12, p->a21, p->a22, p->prevX, p->prevY, p->dX, p->dY};
      put(v, sizeof v);
      put(m, sizeof m);
    }
    for (GLine* l = doc->Sheet().lines.head; l; l = l->next) {
      const CComplex v[3] = {l->a, l->b, l->c};
      put(v, sizeof v);
    }
    for (GCircle* c = doc->Sheet().circles.head; c; c = c->next) {
      const CComplex v[3] = {c->cx, c->cy, c->r2};
      put(v, sizeof v);
    }
    for (GConst* k = doc->FirstConst(); k; k = k->next) {
      const CComplex v[4] = {k->param1, k->param2, k->param3, k->param4};
      put(v, sizeof v);
    }
    return s;
  }

  int Steps() {
    int n = 0;
    for (GConst* k = doc->FirstConst(); k; k = k->next) ++n;
    return n;
  }
  template <class T>
  static bool Records(const T* carrier, const GPoint* p) {
    for (const GIncident* ic = carrier->ics.head; ic; ic = ic->next)
      if (ic->point == p) return true;
    return false;
  }
  template <class T>
  static double ParamOf(const T* carrier, const GPoint* p) {
    for (const GIncident* ic = carrier->ics.head; ic; ic = ic->next)
      if (ic->point == p) return ic->param.re;
    ADD_FAILURE() << "point not recorded";
    return 0;
  }
};
