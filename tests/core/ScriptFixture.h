// A fixture that puts named elements and construction steps into a document
// the way the tools leave them, for tests of the script writer and of the
// sheet operations. Nothing is evaluated unless a test asks for it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Recorder.h"
#include "model/Gesture.h"

class ScriptTest : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};  // the tools' half: builders, placing, hit tests, drags

  GPoint* ListedPoint(double x, double y, const char* name) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
    p->name = std::string(name);
    return p;
  }
  GPoint* Free(double x, double y, const char* name) {
    GConst* k = doc->NewConst(CONST_FREE);
    k->PInput1 = k->POutput = ListedPoint(x, y, name);
    return k->POutput;
  }
  GLine* ListedLine(const char* name) {
    GLine* l = doc->NewLine(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0));
    doc->AssignLine(l);
    l->name = std::string(name);  // a copy, as above
    return l;
  }
  GLine* Join(GPoint* p, GPoint* q, const char* name) {
    GConst* k = doc->NewConst(CONST_JOIN);
    k->PInput1 = p;
    k->PInput2 = q;
    k->LOutput = ListedLine(name);
    return k->LOutput;
  }
  GText* Text(const std::string& content, const char* name) {
    GConst* k = doc->NewConst(CONST_TEXT);
    k->TextOutput = doc->NewText(content);
    doc->AssignText(k->TextOutput);
    k->TextOutput->name = std::string(name);  // a copy, as above
    return k->TextOutput;
  }
  // The statement of one step, as the writer makes it.
  static std::string Src(const GConst* k) {
    std::string s;
    k->ConstSrc(s);
    return s;
  }
  std::string Last() { return Src(doc->CurrentConst()); }
};
