// A fixture for the construction tools: named free points, hilighting as the
// selection does, and reading back the steps and messages the tools made.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "Recorder.h"
#include "model/Gesture.h"
#include "model/Invariants.h"
#include "model/Incidence.h"

class BuildTest : public ::testing::Test {
 protected:
  // Whatever the test did, the document still keeps its standing rules;
  // unless the test took a step apart by hand and says so here.
  bool tornByHand = false;
  void TearDown() override {
    if (!tornByHand) {
      EXPECT_EQ(InvariantReport(*doc, &gesture), "");
    }
  }
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};  // the tools' half: builders, placing, hit tests, drags

  // A free point with the next automatic name.
  GPoint* Pt(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    GConst* k = doc->NewConst(CONST_FREE);
    k->PInput1 = k->POutput = p;
    doc->AssignPoint(p);
    doc->SetPointName(p);
    k->Evaluate();
    return p;
  }
  template <class... T>
  void Select(T*... e) {
    doc->ClearAllHilights();
    (doc->Sethilighted(e), ...);
  }
  GConst* Last() {
    GConst* last = nullptr;
    for (GConst* k = doc->FirstConst(); k; k = k->next) last = k;
    return last;
  }
  int Steps() {
    int n = 0;
    for (GConst* k = doc->FirstConst(); k; k = k->next) ++n;
    return n;
  }
  template <class T>
  static int Count(T* head) {
    int n = 0;
    for (; head; head = head->next) ++n;
    return n;
  }
  template <class T>
  static bool Records(const T* carrier, const GPoint* p) {
    for (const GIncident* ic = carrier->ics.head; ic; ic = ic->next)
      if (ic->point == p) return true;
    return false;
  }
  // The affine position of a point.
  static double X(const GPoint* p) { return p->xz().re; }
  static double Y(const GPoint* p) { return p->yz().re; }
  // Whether the line passes through (x, y).
  static bool Through(const GLine* l, double x, double y) {
    const double v = l->a.re * x + l->b.re * y + l->c.re;
    return std::fabs(v) < 1e-6 * std::hypot(l->a.re, l->b.re);
  }
  bool Shown(const std::string& text) {
    for (const RecordedMessage& m : user.messages)
      if (m.text == text) return true;
    return false;
  }
  int Hilighted() {
    return doc->Selection().Points().Count() + doc->Selection().Lines().Count() +
           doc->Selection().Circles().Count() + doc->Selection().Curves().Count() +
           doc->Selection().Angles().Count() + doc->Selection().Brackets().Count();
  }
};
