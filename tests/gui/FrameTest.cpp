// The main window as a person meets it: title, menus (labels, commands,
// kinds, order), the toolbars of each interaction style, the status bar,
// zoom limits, resizing and the closing question.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "gui/GuiHarness.h"
#include "interaction/MyCanvas.h"

namespace {

enum Kind { kNormal, kCheck, kRadio, kSeparator, kSubmenu };

struct Item {
  Item(std::string l, int c, Kind k) : label(std::move(l)), command(c), kind(k) {}
  Item(std::string l, GToolMode m, Kind k) : Item(std::move(l), ModeNumber(m), k) {}
  Item(std::string l, GStyle s, Kind k) : Item(std::move(l), StyleNumber(s), k) {}
  std::string label;
  int command;
  Kind kind;
};

Kind KindOf(const wxMenuItem* item) {
  if (item->IsSeparator()) return kSeparator;
  if (item->IsSubMenu()) return kSubmenu;
  if (item->IsRadio()) return kRadio;
  if (item->IsCheckable()) return kCheck;
  return kNormal;
}

std::vector<Item> ItemsOf(const wxMenu* menu) {
  std::vector<Item> out;
  for (const wxMenuItem* item : menu->GetMenuItems())
    out.push_back({item->GetItemLabel().utf8_string(),
                   item->IsSeparator() ? 0 : CommandFromToolkitId(item->GetId()), KindOf(item)});
  return out;
}

void ExpectItems(const wxMenu* menu, const std::vector<Item>& want, const char* what) {
  std::vector<Item> got = ItemsOf(menu);
  ASSERT_EQ(got.size(), want.size()) << what;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].kind, want[i].kind) << what << " item " << i;
    if (want[i].kind == kSeparator) continue;
    EXPECT_EQ(got[i].label, want[i].label) << what << " item " << i;
    if (want[i].kind != kSubmenu) {
      EXPECT_EQ(got[i].command, want[i].command) << want[i].label;
    }
  }
}

const Item kSep{"", 0, kSeparator};

struct Tool {
  Tool(int c, std::string l, std::string t, wxItemKind k)
      : command(c), label(std::move(l)), tip(std::move(t)), kind(k) {}
  Tool(GToolMode m, std::string l, std::string t, wxItemKind k)
      : Tool(ModeNumber(m), std::move(l), std::move(t), k) {}
  int command;
  std::string label;
  std::string tip;
  wxItemKind kind;
};

std::vector<Tool> ToolsOf(const wxToolBar* bar) {
  std::vector<Tool> out;
  for (size_t i = 0; i < bar->GetToolsCount(); ++i) {
    const wxToolBarToolBase* t = bar->GetToolByPos(static_cast<int>(i));
    out.push_back({CommandFromToolkitId(t->GetId()), t->GetLabel().utf8_string(),
                   t->GetShortHelp().utf8_string(), t->GetKind()});
  }
  return out;
}

void ExpectTools(const wxToolBar* bar, const std::vector<Tool>& want, const char* what) {
  ASSERT_NE(bar, nullptr) << what;
  std::vector<Tool> got = ToolsOf(bar);
  ASSERT_EQ(got.size(), want.size()) << what;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].command, want[i].command) << what << " tool " << i;
    EXPECT_EQ(got[i].label, want[i].label) << what << " tool " << i;
    EXPECT_EQ(got[i].tip, want[i].tip) << what << " " << want[i].label;
    EXPECT_EQ(got[i].kind, want[i].kind) << what << " " << want[i].label;
  }
}

class FrameTest : public ::testing::Test {
 protected:
  RecordingUser* user = nullptr;
  MyFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;

  void SetUp() override {
    user = LastingUser();
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), user);
    frame->Show(true);
    canvas = frame->m_Canvas;
  }
  void TearDown() override {
    if (frame) frame->Destroy();
    PumpEvents([] { return false; }, 0);
  }
  void Command(int command) {
    wxCommandEvent event(wxEVT_MENU, ToolkitId(command));
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
  }
  void Command(GToolMode mode) { Command(ModeNumber(mode)); }
  void Command(GStyle style) { Command(StyleNumber(style)); }
  wxToolBar* ModeBar() { return frame->m_ModeToolbar; }
};

TEST(AppStart, MainWindowHasItsTitlePlaceAndSize) {
  MyFrame* main = TheApp().m_Frame;
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->GetTitle(), wxT("Figuretta - untitled.fgf"));
  EXPECT_TRUE(main->IsShown());
  EXPECT_EQ(main->GetSize(), wxSize(950, 700));
  EXPECT_EQ(main->m_Canvas->m_Tool.m_Mode, kModeMove);
  EXPECT_EQ(main->m_Canvas->m_Tool.m_GMode, kGModeTovik);
}

TEST_F(FrameTest, MenuBarHasFiveMenusInOrder) {
  wxMenuBar* bar = frame->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 5u);
  const char* titles[] = {"file(&F)", "Edit(&E)", "Mode(&M)", "Slideshow(&D)", "Appearance(&A)"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(bar->GetMenuLabel(i).utf8_string(), titles[i]);
}

TEST_F(FrameTest, FileAndEditMenusListEveryCommand) {
  wxMenuBar* bar = frame->GetMenuBar();
  ExpectItems(bar->GetMenu(0),
              {{"New(&N)\tCtrl+N", kCmdNew, kNormal},
               {"Open(&O)\tCtrl+O", kCmdOpen, kNormal},
               {"Save(&S)\tCtrl+S", kCmdSave, kNormal},
               {"Save data\tShift+Ctrl+S", kCmdSaveCsv, kNormal},
               {"Save image", kCmdSaveBmp, kNormal},
               {"Save logfile", kCmdLogfile, kCheck},
               kSep,
               {"Print(&P)\tCtrl+P", kCmdPrint, kNormal},
               {"Print setup", kCmdPageSetup, kNormal},
               {"Print preview", kCmdPrintPreview, kNormal},
               {"Export PDF...", kCmdExportPdf, kNormal},
               kSep,
               {"About Figuretta(&A)", kCmdAbout, kNormal},
               {"Exit(&Q)\tCtrl+Q", kCmdExit, kNormal}},
              "file");
  ExpectItems(bar->GetMenu(1),
              {{"Undo(&U)\tCtrl+Z", kCmdUndo, kNormal},
               {"Redo(&R)\tCtrl+Y", kCmdRedo, kNormal},
               kSep,
               {"Next sheet\tN", kCmdNextSheet, kNormal},
               {"Prev sheet\tP", kCmdPrevSheet, kNormal},
               kSep,
               {"Insert sheet\tAlt+N", kCmdInsertNew, kNormal},
               {"Insert copy (without text)", kCmdInsertCopyFigure, kNormal},
               {"Insert copy", kCmdInsertCopyAll, kNormal},
               {"Delete sheet", kCmdDeleteSheet, kNormal},
               kSep,
               {"Measure\tCtrl+M", kCmdMeasure, kNormal},
               {"Show again", kCmdShowAgain, kNormal},
               kSep,
               {"Edit script\tE", kCmdEditText, kNormal},
               {"Bench mark test", kCmdBenchMark, kNormal}},
              "edit");
  // Logging starts on.
  EXPECT_TRUE(bar->GetMenu(0)->IsChecked(ToolkitId(kCmdLogfile)));
}

TEST_F(FrameTest, ModeAndSlideshowMenusListStylesAndTools) {
  wxMenuBar* bar = frame->GetMenuBar();
  ExpectItems(bar->GetMenu(2),
              {{"like Tovik(&c)", kGModeTovik, kNormal},
               {"like Quil(&K)", kGModeQuil, kNormal},
               {"Touch panel(&P)", kGModePanel, kNormal},
               kSep,
               {"Select", kModeSelect, kNormal},
               {"Move", kModeMove, kNormal},
               {"Point", kModeSPoint, kNormal},
               {"Line", kModeMLine, kNormal},
               {"Para", kModePara, kNormal},
               {"Perp", kModePerp, kNormal},
               {"MidP", kModeMid, kNormal},
               {"Circ", kModeMCircle, kNormal},
               {"Bisect", kModeBisector, kNormal}},
              "mode");
  ExpectItems(bar->GetMenu(3),
              {{"Slide show(&V)\tF5", kCmdSlideShowStart, kNormal},
               {"Animation setup \tA", kCmdSlideShowProperty, kNormal}},
              "slideshow");
}

TEST_F(FrameTest, AppearanceMenuHoldsThemeAndStyleSubmenus) {
  wxMenu* appear = frame->GetMenuBar()->GetMenu(4);
  ExpectItems(appear,
              {{"Theme", 0, kSubmenu},
               kSep,
               {"Point", 0, kSubmenu},
               {"Line", 0, kSubmenu},
               {"Angle", 0, kSubmenu},
               {"Background", kCmdBackground, kNormal},
               kSep,
               {"Customize", kCmdCustomize, kNormal},
               {"Property", kCmdProperty, kNormal},
               kSep,
               {"Afterimage", kCmdCloneOn, kCheck},
               {"Show hidden elements\tCtrl+H", kCmdShowHidden, kCheck},
               {"Squared paper", kCmdSquaredPaper, kCheck},
               kSep,
               {"Language", 0, kSubmenu}},
              "appearance");
  const auto& items = appear->GetMenuItems();
  ExpectItems(items[0]->GetSubMenu(),
              {{"Standard", ThemeNumber(THM_STANDARD), kRadio},
               {"Cat", ThemeNumber(THM_CAT), kRadio},
               {"Star", ThemeNumber(THM_STAR), kRadio},
               {"Skeleton", ThemeNumber(THM_SKELETON), kRadio},
               {"like Quil", ThemeNumber(THM_QUIL), kRadio},
               {"like Tovik", ThemeNumber(THM_TOVIK), kRadio},
               {"Pastel", ThemeNumber(THM_PASTEL), kRadio}},
              "theme");
  ExpectItems(items[2]->GetSubMenu(),
              {{"point 1", 3100, kRadio},
               {"point 2", 3101, kRadio},
               {"point 3", 3102, kRadio},
               {"point 3", 3103, kRadio},
               {"point 5", 3104, kRadio}},
              "point");
  std::vector<Item> lines, angles;
  for (int i = 0; i < 5; ++i) {
    lines.push_back({"line " + std::to_string(i + 1), 4100 + i, kRadio});
    angles.push_back({"angle " + std::to_string(i + 1), 5500 + i, kRadio});
  }
  ExpectItems(items[3]->GetSubMenu(), lines, "line");
  ExpectItems(items[4]->GetSubMenu(), angles, "angle");
  // Each language in its own name, so that a child finds it in any of them.
  ExpectItems(items[14]->GetSubMenu(),
              {{"System language", kCmdLanguage0, kRadio},
               {"English", kCmdLanguage0 + 1, kRadio},
               {"Deutsch", kCmdLanguage0 + 2, kRadio},
               {"Espa\u00f1ol", kCmdLanguage0 + 3, kRadio},
               {"Fran\u00e7ais", kCmdLanguage0 + 4, kRadio},
               {"\u65e5\u672c\u8a9e", kCmdLanguage0 + 5, kRadio}},
              "language");
}

TEST_F(FrameTest, EveryMenuIdIsAcceptedByTheToolkitAndMapsBack) {
  wxMenuBar* bar = frame->GetMenuBar();
  std::vector<const wxMenu*> menus;
  for (size_t i = 0; i < bar->GetMenuCount(); ++i) menus.push_back(bar->GetMenu(i));
  for (size_t m = 0; m < menus.size(); ++m) {
    for (const wxMenuItem* item : menus[m]->GetMenuItems()) {
      if (item->IsSubMenu()) menus.push_back(item->GetSubMenu());
      if (item->IsSeparator() || item->IsSubMenu()) continue;
      EXPECT_GT(item->GetId(), 0);
      EXPECT_LE(item->GetId(), 32766);
      EXPECT_EQ(ToolkitId(CommandFromToolkitId(item->GetId())), item->GetId());
    }
  }
}

TEST_F(FrameTest, FrameToolbarIsTheSameInEveryStyle) {
  const std::vector<Tool> want = {{kCmdNew, "New", "", wxITEM_NORMAL},
                                  {kCmdOpen, "Open", "", wxITEM_NORMAL},
                                  {kCmdSave, "Save", "", wxITEM_NORMAL},
                                  {kCmdPrint, "Print", "", wxITEM_NORMAL},
                                  {kCmdUndo, "Undo", "Undo", wxITEM_NORMAL},
                                  {kCmdRedo, "Redu", "Redo", wxITEM_NORMAL},
                                  {kModeAxis, "Axis", "Add axes", wxITEM_CHECK},
                                  {kModeEraser, "Erase", "Erase", wxITEM_NORMAL},
                                  {kModeZoomIn, "ZoomIn", "ZoomIn", wxITEM_NORMAL},
                                  {kModeZoomOut, "ZoomOut", "ZoomOut", wxITEM_NORMAL},
                                  {kCmdProperty, "Property", "Property", wxITEM_NORMAL},
                                  {kModeInvisible, "Invisi", "Invisible", wxITEM_NORMAL}};
  for (GStyle style : {kGModeTovik, kGModeQuil, kGModePanel}) {
    Command(style);
    ExpectTools(frame->GetToolBar(), want, "frame toolbar");
    EXPECT_EQ(frame->GetToolBar()->GetId(), kFrameToolbarId);
    EXPECT_EQ(frame->GetToolBar()->GetToolBitmapSize(), wxSize(24, 24));
  }
}

const std::vector<Tool> kTovikBar = {{1100, "Select", "Select", wxITEM_RADIO},
                                     {1000, "Move", "Move mode", wxITEM_RADIO},
                                     {1001, "Point", "Add a point", wxITEM_RADIO},
                                     {1002, "Line", "Add a line", wxITEM_RADIO},
                                     {1003, "Para", "Add a parallel", wxITEM_RADIO},
                                     {1004, "Perp", "Add a perpendicular", wxITEM_RADIO},
                                     {1005, "MidP", "Add a midpoint", wxITEM_RADIO},
                                     {1006, "Circ", "Add a circle", wxITEM_RADIO},
                                     {1020, "Angle", "Angle", wxITEM_RADIO},
                                     {1025, "Bracket", "Bracket", wxITEM_RADIO},
                                     {1021, "AngleLine", "AngleLine", wxITEM_RADIO},
                                     {1007, "Bisect", "Add a bisector", wxITEM_RADIO},
                                     {1014, "Compass", "Compass", wxITEM_RADIO},
                                     {1015, "Orbit", "Orbit", wxITEM_RADIO},
                                     {1013, "Text", "Text", wxITEM_RADIO},
                                     {1024, "Image", "Image", wxITEM_RADIO},
                                     {1012, "Tangent", "Tangent", wxITEM_RADIO},
                                     {1016, "CircBy3", "CircBy3", wxITEM_RADIO},
                                     {1009, "Segment", "Clip a line", wxITEM_CHECK},
                                     {1011, "Graph", "Graph", wxITEM_NORMAL}};

const std::vector<Tool> kQuilBar = {{1002, "Line", "Add a line", wxITEM_NORMAL},
                                    {1009, "Segment", "Add a line", wxITEM_NORMAL},
                                    {1008, "Meet", "Add the intersection", wxITEM_NORMAL},
                                    {1003, "Para", "Add a parallel", wxITEM_NORMAL},
                                    {1004, "Perp", "Add a perpendicular", wxITEM_NORMAL},
                                    {1005, "MidP", "Add a midpoint", wxITEM_NORMAL},
                                    {1006, "Circ", "Add a circle", wxITEM_NORMAL},
                                    {1020, "Angle", "Angle", wxITEM_NORMAL},
                                    {1025, "Bracket", "Bracket", wxITEM_NORMAL},
                                    {1021, "AngleLine", "AngleLine", wxITEM_NORMAL},
                                    {1007, "Bisect", "Add a bisector", wxITEM_NORMAL},
                                    {1012, "Tangent", "Tangent", wxITEM_NORMAL},
                                    {1016, "CircBy3", "CircBy3", wxITEM_NORMAL},
                                    {1015, "Orbit", "Orbit", wxITEM_NORMAL},
                                    {1011, "Graph", "Graph", wxITEM_NORMAL},
                                    {1013, "Text", "Text", wxITEM_CHECK},
                                    {1024, "Image", "Image", wxITEM_CHECK}};

TEST_F(FrameTest, ModeToolbarFollowsEveryStyleSwitch) {
  ExpectTools(ModeBar(), kTovikBar, "start (Tovik)");
  Command(kGModeQuil);
  ExpectTools(ModeBar(), kQuilBar, "Quil");
  Command(kGModePanel);
  ExpectTools(ModeBar(), kQuilBar, "touch panel");
  Command(kGModeTovik);
  ExpectTools(ModeBar(), kTovikBar, "back to Tovik");
  // The bar sits on top of the canvas, as wide as the canvas.
  EXPECT_EQ(ModeBar()->GetPosition(), wxPoint(0, 0));
  EXPECT_EQ(ModeBar()->GetSize().x, canvas->m_Painter.m_Width);
  EXPECT_GE(canvas->GetPosition().y, ModeBar()->GetSize().y);
}

TEST_F(FrameTest, SwitchingStyleReturnsToMoveAndDropsToggles) {
  Command(kModeMLine);
  Command(kModeClipping);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMLine);
  EXPECT_TRUE(canvas->m_Tool.m_Clipping);
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeClipping)));
  Command(kGModeQuil);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
  EXPECT_FALSE(canvas->m_Tool.m_Clipping);
  Command(kModeText);
  EXPECT_TRUE(canvas->m_Tool.m_TextArmed);
  Command(kGModePanel);
  EXPECT_FALSE(canvas->m_Tool.m_TextArmed);
  canvas->m_Tool.m_PanelMove = canvas->m_Tool.m_PanelPickedPoint = true;
  Command(kGModePanel);
  EXPECT_FALSE(canvas->m_Tool.m_PanelMove);
  EXPECT_FALSE(canvas->m_Tool.m_PanelPickedPoint);
  Command(kGModeTovik);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeMove)));
}

TEST_F(FrameTest, TovikBarShowsTheChosenToolPressed) {
  Command(kModeMCircle);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMCircle);
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeMCircle)));
  EXPECT_FALSE(ModeBar()->GetToolState(ToolkitId(kModeMove)));
  // A later refresh of the toolbar keeps showing the current tool.
  frame->enableToolbar();
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeMCircle)));
  // The Meet button does nothing in this style.
  Command(kModeMeet);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMCircle);
}

TEST_F(FrameTest, QuilBarEnablesConstructionsForTheSelection) {
  Command(kGModeQuil);
  const int constructions[] = {1002, 1003, 1004, 1005, 1006, 1007, 1008,
                               1009, 1012, 1015, 1016, 1020, 1021, 1025};
  for (int id : constructions) EXPECT_FALSE(ModeBar()->GetToolEnabled(id)) << id;
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeText)));
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeImage)));
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeGraph)));

  GDocument& doc = *canvas->m_Doc;
  doc.Selection().Points().Add(&doc.Store().Points()[0]);
  doc.Selection().Points().Add(&doc.Store().Points()[1]);
  frame->enableToolbar();
  for (int id : constructions) {
    bool forTwoPoints =
        id == 1002 || id == 1009 || id == 1005 || id == 1006 || id == 1015 || id == 1025;
    EXPECT_EQ(ModeBar()->GetToolEnabled(id), forTwoPoints) << id;
  }

  doc.Selection().Points().Clear();
  doc.Selection().Points().Add(&doc.Store().Points()[0]);
  doc.Selection().Circles().Add(&doc.Store().Circles()[0]);
  frame->enableToolbar();
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeTangent)));
  EXPECT_FALSE(ModeBar()->GetToolEnabled(ToolkitId(kModeMeet)));
  doc.Selection().Lines().Add(&doc.Store().Lines()[0]);
  frame->enableToolbar();
  // A line and a circle meet; a point and a line give parallels.
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeMeet)));
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModePara)));
  EXPECT_TRUE(ModeBar()->GetToolEnabled(ToolkitId(kModeClipping)));
  doc.Selection().Points().Clear();
  doc.Selection().Lines().Clear();
  doc.Selection().Circles().Clear();
}

TEST_F(FrameTest, TextAndImageArmOneAtATimeInQuilStyle) {
  Command(kGModeQuil);
  Command(kModeText);
  EXPECT_TRUE(canvas->m_Tool.m_TextArmed);
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeText)));
  Command(kModeImage);
  EXPECT_FALSE(canvas->m_Tool.m_TextArmed);
  EXPECT_TRUE(canvas->m_Tool.m_ImageArmed);
  EXPECT_FALSE(ModeBar()->GetToolState(ToolkitId(kModeText)));
  EXPECT_TRUE(ModeBar()->GetToolState(ToolkitId(kModeImage)));
  Command(kModeImage);
  EXPECT_FALSE(canvas->m_Tool.m_ImageArmed);
  EXPECT_FALSE(ModeBar()->GetToolState(ToolkitId(kModeImage)));
}

TEST_F(FrameTest, ZoomButtonsStopAtTheScaleLimits) {
  wxToolBar* bar = frame->GetToolBar();
  canvas->m_Doc->Viewport().SetScale(0.001);
  frame->enableToolbar();
  EXPECT_FALSE(bar->GetToolEnabled(ToolkitId(kModeZoomIn)));
  EXPECT_TRUE(bar->GetToolEnabled(ToolkitId(kModeZoomOut)));
  canvas->m_Doc->Viewport().SetScale(0.1);
  frame->enableToolbar();
  EXPECT_TRUE(bar->GetToolEnabled(ToolkitId(kModeZoomIn)));
  EXPECT_FALSE(bar->GetToolEnabled(ToolkitId(kModeZoomOut)));
  canvas->m_Doc->Viewport().SetScale(0.01);
  frame->enableToolbar();
  EXPECT_TRUE(bar->GetToolEnabled(ToolkitId(kModeZoomIn)));
  EXPECT_TRUE(bar->GetToolEnabled(ToolkitId(kModeZoomOut)));
}

TEST_F(FrameTest, AxisButtonTogglesTheAxes) {
  Command(kModeAxis);
  EXPECT_TRUE(canvas->m_Painter.m_AxisOn);
  EXPECT_TRUE(frame->GetToolBar()->GetToolState(ToolkitId(kModeAxis)));
  Command(kModeAxis);
  EXPECT_FALSE(canvas->m_Painter.m_AxisOn);
  EXPECT_FALSE(frame->GetToolBar()->GetToolState(ToolkitId(kModeAxis)));
}

TEST_F(FrameTest, ThemeCommandChecksItsMenuItem) {
  Command(ThemeNumber(THM_CAT));
  EXPECT_TRUE(frame->m_ThemeMenu->IsChecked(ThemeNumber(THM_CAT)));
  EXPECT_FALSE(frame->m_ThemeMenu->IsChecked(ThemeNumber(THM_STANDARD)));
}

TEST_F(FrameTest, StatusBarWelcomesThenCountsSheetsAfterPaint) {
  wxStatusBar* status = frame->GetStatusBar();
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->GetFieldsCount(), 2);
  EXPECT_EQ(status->GetStatusText(0), wxT("Welcome to wxFiguretta!"));
  canvas->Refresh(false);
  EXPECT_TRUE(PumpEvents([status] { return status->GetStatusText(0) == wxT("Sheet: 1/1"); }))
      << status->GetStatusText(0).utf8_string();
}

TEST_F(FrameTest, ResizeToTheSameClientSizeKeepsTheToolbars) {
  ModeBar()->SetName(wxT("before"));
  wxSizeEvent same(frame->GetSize(), frame->GetId());
  frame->OnSize(same);
  EXPECT_EQ(ModeBar()->GetName(), wxT("before"));
  // A different client size rebuilds the toolbars for the new width.
  canvas->m_Painter.m_Width -= 100;
  frame->OnSize(same);
  EXPECT_NE(ModeBar()->GetName(), wxT("before"));
  EXPECT_EQ(canvas->m_Painter.m_Width, frame->GetClientSize().x);
  EXPECT_EQ(ModeBar()->GetSize().x, canvas->m_Painter.m_Width);
}

TEST_F(FrameTest, ExitAsksOnceAndLogsTheQuitOnce) {
  user->answers.push_back(GUser::kNo);
  Command(kCmdExit);
  // A second close request while the window goes away changes nothing.
  frame->Close(true);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].text, "Do you save the configuration before quitting?");
  EXPECT_EQ(user->messages[0].caption, "Are you sure?");
  int quits = 0;
  for (const std::string& line : user->log) quits += line == "**** Quit ****\n";
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(frame));
  frame = nullptr;  // destroyed by its close
}

TEST_F(FrameTest, AboutBoxNamesTheProgram) {
  Command(kCmdAbout);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "About ....");
  EXPECT_EQ(user->messages[0].text.rfind("wxFiguretta \nFiguretta on wxWidgets\n\n", 0), 0u);
  // The version of the build and the licence, no made-up web address.
  EXPECT_NE(user->messages[0].text.find("\nVersion "), std::string::npos);
  EXPECT_NE(user->messages[0].text.find("\nLicence: "), std::string::npos);
  EXPECT_EQ(user->messages[0].text.find("http"), std::string::npos);
}

}  // namespace
