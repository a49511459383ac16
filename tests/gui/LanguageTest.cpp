// The program in each language it ships: the menu bar, a toolbar tooltip and
// an incidence message read back in the translation, English where there is
// no catalogue, and a picture of the Japanese window to look at.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <wx/toolbar.h>

#include "app/Language.h"
#include "model/AppFolders.h"
#include "model/Prefs.h"
#include "gui/WindowFixture.h"

namespace {

struct Spoken {
  const char* code;
  std::vector<std::string> titles;
  std::string axisTip;
  std::string incidence;
  std::string caption;
};

// A step whose output point is new to the sheet, as a tool makes it.
GPoint* PointStep(GDocument& d, GStepKind kind, GPoint* p, GPoint* q, double x, const char* name) {
  GConst* k = d.NewConst(kind);
  k->PInput1 = p;
  k->PInput2 = q;
  k->POutput = d.NewPoint(CComplex(x, 0), CComplex(0, 0));
  d.AssignPoint(k->POutput);
  k->POutput->name = std::string(name);
  if (kind == CONST_FREE) k->PInput1 = k->POutput;
  k->Evaluate();
  return k->POutput;
}

// The midpoint M of A and B, made after the line AB: it lies on it.
GPoint* MidpointOnLine(GDocument& d) {
  GPoint* a = PointStep(d, CONST_FREE, nullptr, nullptr, 0, "A");
  GPoint* b = PointStep(d, CONST_FREE, nullptr, nullptr, 4, "B");
  GConst* join = d.NewConst(CONST_JOIN);
  join->PInput1 = a;
  join->PInput2 = b;
  join->LOutput = d.NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
  d.AssignLine(join->LOutput);
  join->Evaluate();
  d.AssignIncident(join->LOutput, a, 0);
  d.AssignIncident(join->LOutput, b, 1);
  return PointStep(d, CONST_MID, a, b, 0, "M");
}

const Spoken kSpoken[] = {
    {"en",
     {"file(&F)", "Edit(&E)", "Mode(&M)", "Slideshow(&D)", "Appearance(&A)"},
     "Add axes",
     "(*^_^*) Point M is on line AB.",
     "Incidency Test"},
    {"de",
     {"&Datei", "&Bearbeiten", "&Modus", "Dia&show", "&Aussehen"},
     "Achsen einblenden",
     "(*^_^*) Der Punkt M liegt auf der Geraden AB.",
     "Liegt drauf!"},
    {"es",
     {"&Archivo", "&Editar", "&Modo", "&Presentaci\u00f3n", "Aspe&cto"},
     "A\u00f1adir ejes",
     "(*^_^*) El punto M est\u00e1 en la recta AB.",
     "Prueba de incidencia"},
    {"fr",
     {"&Fichier", "&\u00c9dition", "&Mode", "&Diaporama", "&Apparence"},
     "Ajouter les axes",
     "(*^_^*) Le point M est sur la droite AB.",
     "Test d\u2019appartenance"},
    {"ja",
     {"\u30d5\u30a1\u30a4\u30eb(&F)", "\u7de8\u96c6(&E)", "\u30e2\u30fc\u30c9(&M)",
      "\u30b9\u30e9\u30a4\u30c9\u30b7\u30e7\u30fc(&D)", "\u8868\u793a(&A)"},
     "\u5ea7\u6a19\u8ef8\u3092\u3064\u3051\u308b",
     "(*^_^*) \u70b9 M \u306f\u76f4\u7dda AB \u306e\u4e0a\u306b\u3042\u308a\u307e\u3059\u3002",
     "\u901a\u308b\u304b\u30c6\u30b9\u30c8"},
};

class LanguageTest : public WindowTest, public ::testing::WithParamInterface<Spoken> {
 protected:
  // The catalogue is chosen before the window exists, as at a start.
  void SetUp() override {
    StartTranslations(GetParam().code);
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    StartTranslations("en");
  }
};

}  // namespace

TEST_P(LanguageTest, MenusToolsAndMessagesSpeakTheLanguage) {
  const Spoken& s = GetParam();
  wxMenuBar* bar = frame->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), s.titles.size());
  for (size_t i = 0; i < s.titles.size(); ++i)
    EXPECT_EQ(bar->GetMenuLabel(i).utf8_string(), s.titles[i]) << i;
  wxToolBar* tools = frame->GetToolBar();
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->GetToolShortHelp(ToolkitId(kModeAxis)).utf8_string(), s.axisTip);

  GPoint* m = MidpointOnLine(*doc);
  user->messages.clear();
  doc->Relations().CheckIncidency(m, true);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].text, s.incidence);
  EXPECT_EQ(user->messages[0].caption, s.caption);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kSpoken),
                         [](const auto& info) { return std::string(info.param.code); });

// A language without a catalogue, and one the menu does not offer, fall back
// to the English texts rather than to keys or empty labels.
TEST(LanguageFallback, AMissingCatalogueShowsTheEnglish) {
  for (const char* code : {"pt_BR", "xx"}) {
    StartTranslations(code);
    EXPECT_EQ(wxString(NW_("file(&F)")).utf8_string(), "file(&F)") << code;
    EXPECT_STREQ(Tr("Rename"), "Rename") << code;
    EXPECT_EQ(LanguageIndex(code), 0) << code;
  }
  StartTranslations("en");
}

// Whatever the desktop set before (here a German locale, which writes
// "1,5"), numbers are read and written with a dot once the language starts.
TEST(LanguageFallback, TheNumberConventionsStayC) {
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  StartTranslations("de");
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.1f", 1.5);
  EXPECT_STREQ(buf, "1.5");
  StartTranslations("en");
}

// FIGURETTA_SCREENSHOT_JA=path.png saves the Japanese window, to see that the
// characters are drawn (a missing font shows boxes).
TEST(LanguageScreenshot, JapaneseWindow) {
  const char* out = std::getenv("FIGURETTA_SCREENSHOT_JA");
  if (!out) GTEST_SKIP() << "set FIGURETTA_SCREENSHOT_JA to a .png path";
  StartTranslations("ja");
  auto* frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700),
                            LastingUser());
  frame->Show(true);
  frame->SetStatusText(Translated("(*^_^*) Point %s is on this line."), 1);
  PumpEvents([] { return false; }, 400);
  EXPECT_TRUE(SaveWindowPicture(frame, out));
  frame->Destroy();
  PumpEvents([] { return false; }, 0);
  StartTranslations("en");
}

// Appearance > Language keeps the choice in the preference file at once and
// says that it counts from the next start; a window started then finds its
// language checked. "System language" takes the entry away again.
class LanguageChoiceTest : public WindowTest {};

TEST_F(LanguageChoiceTest, TheChoiceIsKeptForTheNextStart) {
  const std::string pref = InFolder(TestFilesDir(), kPrefFileName);
  auto fileText = [&] {
    std::ifstream in(pref, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  Command(kCmdLanguage0 + LanguageIndex("fr"));
  EXPECT_NE(fileText().find("WriteLogfile;Language=fr;"), std::string::npos) << fileText();
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].text, "Figuretta speaks the new language the next time it starts.");
  // The texts on screen stay as they were until then.
  EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0).utf8_string(), "file(&F)");

  auto* next = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(60, 60), wxSize(950, 700),
                           LastingUser());
  EXPECT_TRUE(next->GetMenuBar()->IsChecked(kCmdLanguage0 + LanguageIndex("fr")));
  next->Destroy();

  Command(kCmdLanguage0);
  EXPECT_EQ(fileText().find("Language="), std::string::npos) << fileText();
}
