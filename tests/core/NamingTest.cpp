// Automatic names: the sequences of every counter, the carry into the
// character before the last, names already taken on the sheet, and names
// without a successor.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Recorder.h"
#include "model/Document.h"
#include "model/NameTable.h"

namespace {

// The first n values a counter hands out, starting from its current value.
std::vector<std::string> Take(GDocument& doc, std::string& counter, int n) {
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) {
    names.push_back(counter);
    doc.next_name(counter);
  }
  return names;
}

// Puts a step making a point with the given name on the current sheet.
void AddNamedPoint(GDocument& doc, int slot, const char* name) {
  GConst* c = &doc.Store().Steps()[slot];
  c->type = CONST_FREE;
  c->inUse = 1;
  c->POutput = &doc.Store().Points()[slot];
  // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
  c->POutput->name = std::string(name);
  doc.Sheet().consts.Append(c);
}

}  // namespace

TEST(NameTable, FindsEveryNameThroughGrowthAndKeepsTheFirstValue) {
  std::vector<std::string> names;
  for (int i = 0; i < 1000; ++i) names.push_back(std::string(1, 'P').append(std::to_string(i)));
  names.push_back("");  // an empty name is a name like any other
  GNameTable<int> table;
  EXPECT_EQ(table.Find("P1"), nullptr);
  for (size_t i = 0; i < names.size(); ++i) table.Insert(names[i], (int)i);
  const std::string again = "P7";
  table.Insert(again, -1);
  for (size_t i = 0; i < names.size(); ++i) {
    const int* v = table.Find(names[i]);
    ASSERT_NE(v, nullptr) << names[i];
    EXPECT_EQ(*v, (int)i);
  }
  EXPECT_EQ(table.Find("P1000"), nullptr);
  EXPECT_EQ(table.Find("p1"), nullptr);
  table.Clear();
  EXPECT_EQ(table.Find("P1"), nullptr);
}

TEST(Naming, FreshCountersStartEverySequenceAtItsFirstName) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  doc->ResetAllName();
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "A");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kLine), "a");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kCircle), "C1");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kCurve), "x1");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kText), "TA");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kAngle), "ag1");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kImage), "im1");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kBracket), "br1");
}

TEST(Naming, PointNamesRunThroughTheAlphabetAndThenTwoLetters) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  doc->ResetAllName();
  auto names = Take(*doc, doc->Naming().Counter(GNameKind::kPoint), 80);
  EXPECT_EQ(names[0], "A");
  EXPECT_EQ(names[25], "Z");
  EXPECT_EQ(names[26], "AA");  // the 27th point
  EXPECT_EQ(names[27], "AB");
  EXPECT_EQ(names[51], "AZ");
  EXPECT_EQ(names[52], "BA");  // the 53rd point

  auto lines = Take(*doc, doc->Naming().Counter(GNameKind::kLine), 28);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[25], "z");
  EXPECT_EQ(lines[26], "aa");
  EXPECT_EQ(lines[27], "ab");
}

TEST(Naming, DigitCountersCarryIntoTheLetterBefore) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  doc->ResetAllName();
  auto circles = Take(*doc, doc->Naming().Counter(GNameKind::kCircle), 11);
  EXPECT_EQ(circles[0], "C1");
  EXPECT_EQ(circles[8], "C9");
  EXPECT_EQ(circles[9], "D0");
  EXPECT_EQ(circles[10], "D1");
  auto curves = Take(*doc, doc->Naming().Counter(GNameKind::kCurve), 10);
  EXPECT_EQ(curves[8], "x9");
  EXPECT_EQ(curves[9], "y0");
  auto angles = Take(*doc, doc->Naming().Counter(GNameKind::kAngle), 10);
  EXPECT_EQ(angles[8], "ag9");
  EXPECT_EQ(angles[9], "ah0");
  auto brackets = Take(*doc, doc->Naming().Counter(GNameKind::kBracket), 10);
  EXPECT_EQ(brackets[9], "bs0");
  auto texts = Take(*doc, doc->Naming().Counter(GNameKind::kText), 27);
  EXPECT_EQ(texts[0], "TA");
  EXPECT_EQ(texts[25], "TZ");
  EXPECT_EQ(texts[26], "UA");
}

TEST(Naming, CarryReachesOnlyTheCharacterBeforeTheLast) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  std::string name = "ZZ";
  EXPECT_FALSE(GNaming::next_name_sub(name));
  EXPECT_EQ(name, "[A");
  name = "AZ9";
  EXPECT_FALSE(GNaming::next_name_sub(name));
  EXPECT_EQ(name, "A[0");
}

TEST(Naming, NameWithoutSuccessorFailsAndStaysUnchanged) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  std::string name = "P'";
  EXPECT_TRUE(GNaming::next_name_sub(name));
  EXPECT_EQ(name, "P'");
  EXPECT_TRUE(doc->next_name(name));
  EXPECT_EQ(name, "P'");
  // A single character outside the letters is its own successor.
  std::string single = "7";
  EXPECT_FALSE(GNaming::next_name_sub(single));
  EXPECT_EQ(single, "7");
}

TEST(Naming, CounterSkipsNamesAlreadyUsedOnTheSheet) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  AddNamedPoint(*doc, 0, "A");
  AddNamedPoint(*doc, 1, "C");
  AddNamedPoint(*doc, 2, "D");
  doc->ResetAllName();
  EXPECT_EQ(Take(*doc, doc->Naming().Counter(GNameKind::kPoint), 3),
            (std::vector<std::string>{"B", "E", "F"}));
}

TEST(Naming, TakenSingleCharacterWithoutSuccessorDoesNotHang) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  AddNamedPoint(*doc, 0, "7");
  std::string name = "7";
  EXPECT_TRUE(doc->next_name(name));
  EXPECT_EQ(name, "7");
}

TEST(Naming, NamedPointGetsTheLabelDefaultsAndAdvancesTheCounter) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  doc->ResetAllName();
  doc->Defaults().SetNameFontSize(24);
  GPoint& p = doc->Store().Points()[0];
  p.nameFontSize = 9;
  p.nameAngle = 1.5;
  doc->SetPointName(&p);
  EXPECT_EQ(p.name, "A");
  EXPECT_EQ(p.nameFontSize, 24);
  EXPECT_EQ(p.nameAngle, 0.0);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "B");

  doc->SetCircleName(&doc->Store().Circles()[0]);
  doc->SetCircleName(&doc->Store().Circles()[1]);
  EXPECT_EQ(doc->Store().Circles()[1].name, "C2");
  doc->SetBracketName(&doc->Store().Brackets()[0]);
  EXPECT_EQ(doc->Store().Brackets()[0].name, "br1");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kBracket), "br2");
}
