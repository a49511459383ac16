// Deleting single steps and elements: unlinking with tail repair, leaving the
// incidence and hilight lists, and giving the first free name back.
#include <gtest/gtest.h>

#include <memory>

#include "Recorder.h"
#include "model/Document.h"

namespace {

struct Deletion : ::testing::Test {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);

  GConst* FreePoint(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    doc->SetPointName(p);
    GConst* c = doc->NewConst(CONST_FREE);
    c->PInput1 = c->POutput = p;
    return c;
  }
};

}  // namespace

TEST_F(Deletion, DeletedPointNameIsGivenOutAgainUnlessTaken) {
  GConst* a = FreePoint(0, 0);
  GConst* b = FreePoint(1, 0);
  doc->DeleteConst(b);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "B");  // A is still there
  doc->DeleteConst(a);
  EXPECT_EQ(a->POutput->inUse, 0);
  EXPECT_EQ(FreePoint(2, 0)->POutput->name, "A");
  EXPECT_EQ(FreePoint(3, 0)->POutput->name, "B");
}

TEST_F(Deletion, DeletedPointLeavesIncidenceAndHilightListsAndTheTail) {
  GPoint* a = FreePoint(0, 0)->POutput;
  GPoint* b = FreePoint(1, 0)->POutput;
  GPoint* c = FreePoint(2, 0)->POutput;
  GLine* l = doc->NewLine(0, 0, 1, 0);
  doc->AssignLine(l);
  doc->AssignIncident(l, a, 0);
  doc->AssignIncident(l, c, 2);
  doc->Selection().Points().Add(c);
  doc->Selection().Points().Add(b);
  doc->SetMovingPoint(c);

  doc->DeletePoint(c);
  EXPECT_EQ(l->icCount, 1);
  EXPECT_EQ(doc->Selection().Points().Count(), 1);
  EXPECT_EQ(doc->Selection().Points()[0], b);
  EXPECT_EQ(doc->MovingPoint(), nullptr);
  GPoint* d = doc->NewPoint(CComplex(3, 0), CComplex(0, 0));
  doc->AssignPoint(d);
  EXPECT_EQ(b->next, d);

  GPoint* stray = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
  doc->DeletePoint(stray);  // not in the list: left alone
  EXPECT_EQ(stray->inUse, 1);
}

TEST_F(Deletion, EveryOutputKindIsDeletedWithItsStep) {
  GPoint* a = FreePoint(0, 0)->POutput;
  GPoint* b = FreePoint(1, 0)->POutput;
  GLine* l = doc->NewLine(0, 0, 1, 0);
  GBracket* br = doc->NewBracket(a, b);
  GImage* img = doc->NewImage();
  GAngle* ag = doc->NewAngle(1.0);
  doc->AssignLine(l);
  doc->AssignBracket(br);
  doc->AssignImage(img);
  doc->AssignAngle(ag);
  doc->SetBracketName(br);
  doc->Selection().Images().Add(img);
  doc->AssignIncident(l, a, 0);
  GConst* steps[4] = {doc->NewConst(CONST_JOIN), doc->NewConst(CONST_BRACKET),
                      doc->NewConst(CONST_IMAGE), doc->NewConst(CONST_3P_ANGLE)};
  steps[0]->LOutput = l;
  steps[1]->BracketOutput = br;
  steps[2]->ImageOutput = img;
  steps[3]->AngleOutput = ag;

  for (GConst* s : steps) doc->DeleteConst(s);
  EXPECT_EQ(l->inUse + br->inUse + ag->inUse, 0);
  EXPECT_EQ(doc->Store().Incidents()[0].inUse, 0);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kBracket), "br1");
  EXPECT_TRUE(doc->Sheet().images.empty());
  EXPECT_EQ(doc->Selection().Images().Count(), 0);
  EXPECT_EQ(doc->CurrentConst(), nullptr);
  GConst* next = doc->NewConst(CONST_MID);
  EXPECT_EQ(doc->FirstConst()->next->next, next);
}

TEST_F(Deletion, DeletedImageIsForgottenByTheStepThatStillNamesIt) {
  GImage* img = doc->NewImage();
  doc->AssignImage(img);
  GConst* step = doc->NewConst(CONST_IMAGE);
  step->ImageOutput = img;
  doc->DeleteImage(img);
  EXPECT_EQ(step->ImageOutput, nullptr);
  doc->DeleteConst(step);  // must not touch the freed picture
  EXPECT_EQ(doc->FirstConst(), nullptr);
}
