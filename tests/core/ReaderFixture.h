// A document with a recording person for the script reader tests: read a
// script, look elements up by name, write the current sheet back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Recorder.h"
#include "model/Gesture.h"
#include "model/Invariants.h"
#include "model/Lookup.h"
#include "script/Script.h"

// Counts what the reader asks of the window.
class CountingHooks : public GDocumentHooks {
 public:
  int switched = 0, freshSwitches = 0, appearance = 0;
  void SheetSwitched(bool fresh) override {
    ++switched;
    if (fresh) ++freshSwitches;
  }
  void AppearanceRead() override { ++appearance; }
};

class ReaderTest : public ::testing::Test {
 protected:
  // Whatever the test did, the document still keeps its standing rules.
  void TearDown() override { EXPECT_EQ(InvariantReport(*doc, &gesture), ""); }
  RecordingUser user;
  CountingHooks hooks;  // outlives doc, which may still point at it
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};  // the tools' half: builders, placing, hit tests, drags

  bool Read(const std::string& text, bool clear = true, bool withTexts = true) {
    return ReadScript(*doc, text, clear ? GReadScope::kDocument : GReadScope::kCurrentSheet,
                      withTexts ? GReadTexts::kWith : GReadTexts::kWithout);
  }
  GConst* StepOf(const char* name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->FirstConst(), name, &c);
    return c;
  }
  GPoint* P(const char* name) {
    GConst* c = StepOf(name);
    return c ? c->POutput : nullptr;
  }
  GLine* L(const char* name) {
    GConst* c = StepOf(name);
    return c ? c->LOutput : nullptr;
  }
  GCircle* C(const char* name) {
    GConst* c = StepOf(name);
    return c ? c->COutput : nullptr;
  }
  int StepCount(int sheet) {
    int n = 0;
    for (GConst* c = doc->Sheets().Slot(sheet).consts.head; c; c = c->next) ++n;
    return n;
  }
  int StepsInUse() {
    int n = 0;
    for (const GConst& c : doc->Store().Steps()) n += c.inUse ? 1 : 0;
    return n;
  }
  bool OnLine(GLine* l, GPoint* p) {
    for (GIncident* r = l->ics.head; r; r = r->next)
      if (r->point == p) return true;
    return false;
  }
  bool OnCircle(GCircle* c, GPoint* p) {
    for (GIncident* r = c->ics.head; r; r = r->next)
      if (r->point == p) return true;
    return false;
  }
  std::string LastMessage() { return user.messages.empty() ? "" : user.messages.back().text; }
  std::string LastCaption() { return user.messages.empty() ? "" : user.messages.back().caption; }
  // The current sheet as the writer gives it.
  std::string Written() { return WriteSheetScript(*doc, doc->Sheets().CurrentIndex()); }
};

// The five header statements as the writer puts them before a sheet's steps
// (default appearance, the document's default window size).
inline const char* kHeader =
    "void SetPtMode(0,0,0,0,0);\nvoid SetLnMode(0,0,0,0,0);\nvoid SetBgMode(0);\n"
    "void SetPointTextColor(0,0,0);\nvoid WindowSize(950,550);\n";
