// Names with letters of more than one byte (Greek, Japanese, accented, beyond
// the first plane): the successor rule steps characters, not bytes; renaming,
// lookup, evaluated texts and the file keep them byte for byte; a name read
// from a file that is not UTF-8 is taken as Latin-1.
#include "BuildFixture.h"
#include "model/EvalText.h"
#include "model/Lookup.h"
#include "script/ReaderHelpers.h"
#include "script/Script.h"

namespace {

TEST(Utf8Names, SuccessorStepsWholeCharacters) {
  struct Case {
    const char* name;
    const char* next;  // nullptr: no successor, the name stays
  };
  const Case cases[] = {
      {"Δ9", "Ε0"},
      {"βZ", "γA"},
      {"οZ", "πA"},  // the carry reaches the first byte of the letter
      {"点1", "点2"},
      {"𝐀z", "𝐁a"},            // four bytes
      {"\uD7FF9", "\uE0000"},  // the surrogates, which UTF-8 cannot hold, are passed over
      {"α", "α"},              // a lone letter outside A..Z, a..z is its own successor
      {"Pα", nullptr},         // ends in no digit or Latin letter
  };
  RecordingUser user;
  GDocument doc(&user);
  for (const Case& c : cases) {
    std::string name = c.name;
    EXPECT_EQ(GNaming::next_name_sub(name), c.next == nullptr) << c.name;
    EXPECT_EQ(name, c.next ? c.next : c.name) << c.name;
  }
}

using Utf8Rename = BuildTest;

TEST_F(Utf8Rename, NamesKeepTheirBytesThroughRenameLookupAndTheFile) {
  const char* names[] = {"Ä1", "点P", "Δ", "𝐀"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    doc = std::make_unique<GDocument>(&user);
    GPoint* a = Pt(1, 2);
    GPoint* b = Pt(3, 4);
    ASSERT_TRUE(doc->RenameElement(a, std::string(" ") + name + "\t"));
    EXPECT_EQ(a->name, name);
    GConst* found = nullptr;
    EXPECT_EQ(FindNameFromCns(doc->FirstConst(), name, &found), 1);
    EXPECT_EQ(found ? found->POutput : nullptr, a);
    // A text refers to the point by the same bytes.
    std::string value;
    EXPECT_EQ(EvaluateText(doc->FirstConst(), std::string("x={") + name + "x}", value, false), 0);
    EXPECT_EQ(value, "x=+1.0000");
    // Taken now, also when asked for under another element.
    EXPECT_FALSE(doc->RenameElement(b, name));
    EXPECT_EQ(user.messages.back().text,
              std::string("The name \"") + name +
                  "\" is already used in this sheet. The old name is kept.");

    const std::string text = WriteScript(*doc);
    auto again = std::make_unique<GDocument>(&user);
    ASSERT_TRUE(ReadScript(*again, text));
    found = nullptr;
    EXPECT_EQ(FindNameFromCns(again->FirstConst(), name, &found), 1);
    ASSERT_NE(found, nullptr);
    ASSERT_NE(found->POutput, nullptr);
    EXPECT_EQ(found->POutput->name, name);
    EXPECT_EQ(WriteScript(*again), text);
  }
}

TEST_F(Utf8Rename, ABadByteBesideAWideLetterIsStillFound) {
  GPoint* a = Pt(0, 0);
  for (const char* bad : {"点,", "Δ Δ", "(α", "名前\\"}) {
    EXPECT_FALSE(doc->RenameElement(a, bad)) << bad;
    EXPECT_EQ(a->name, "A");
    EXPECT_EQ(user.messages.back().text.find(std::string("The name \"") + bad + "\""), 0u);
  }
}

TEST(Utf8Names, ScriptNamesThatAreNotUtf8AreReadAsLatin1) {
  struct Case {
    const char* bytes;
    const char* name;
  };
  const Case cases[] = {
      {"A1", "A1"},       // ASCII
      {"Ä1", "Ä1"},       // UTF-8 already
      {"\xCE\x94", "Δ"},  // UTF-8 already
      {"P\xC4", "PÄ"},    // Latin-1
      {"x\xFF", "xÿ"},    // Latin-1
      {"\xCE", "Î"},      // a lead byte cut off
  };
  for (const Case& c : cases) EXPECT_EQ(ScriptName(c.bytes), c.name) << c.bytes;
}

}  // namespace
