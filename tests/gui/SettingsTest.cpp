// The settings a run leaves for the next: the main window reads the
// preference file at its start (style, theme, modes, menus checked), writes
// it when it closes, and the "Save logfile" switch with the log's start and
// quit lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "gui/GuiHarness.h"
#include "interaction/MyCanvas.h"
#include "model/AppFolders.h"
#include "model/Prefs.h"
#include "FileText.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  RecordingUser* user = nullptr;
  MyFrame* frame = nullptr;
  const std::string prefPath = InFolder(TestFilesDir(), kPrefFileName);

  void TearDown() override {
    if (frame) frame->Destroy();
    PumpEvents([] { return false; }, 0);
  }
  // A new run of the program: a fresh main window.
  void Start() {
    if (frame) frame->Destroy();
    user = LastingUser();
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), user);
  }
  // Exit, answering No to the save question.
  void Exit() {
    user->answers.push_back(GUser::kNo);
    Command(kCmdExit);
    frame = nullptr;  // destroyed by its close
  }
  void Command(int command) {
    wxCommandEvent event(wxEVT_MENU, ToolkitId(command));
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
  }
  void Command(GToolMode mode) { Command(ModeNumber(mode)); }
  void Command(GStyle style) { Command(StyleNumber(style)); }
  MyCanvas& Canvas() { return *frame->m_Canvas; }
  bool Checked(wxMenu* menu, int id) { return menu->IsChecked(ToolkitId(id)); }
  std::string PrefFile() const { return FileText(prefPath); }
};

TEST_F(SettingsTest, AStartTakesStyleThemeAndModesAndChecksTheirMenus) {
  std::ofstream(prefPath) << "GMode=QUIL;ThemeMode=THM_CAT;PointMode=PT_3;LineMode=LN_2;"
                             "AngleMode=AG_5;";
  Start();
  EXPECT_EQ(Canvas().m_Tool.m_GMode, kGModeQuil);
  EXPECT_EQ(Canvas().m_Tool.m_Mode, kModeMove);
  EXPECT_EQ(Canvas().m_Painter.m_Look.theme, THM_CAT);
  EXPECT_EQ(Canvas().m_Doc->Defaults().PointMode(), kPointMode0 + 2);
  EXPECT_EQ(Canvas().m_Doc->Defaults().LineMode(), kLineMode0 + 1);
  EXPECT_EQ(Canvas().m_Doc->Defaults().AngleMode(), kAngleMode0 + 4);
  EXPECT_TRUE(Checked(frame->m_ThemeMenu, ThemeNumber(THM_CAT)));
  EXPECT_TRUE(Checked(frame->m_PointMenu, kPointMode0 + 2));
  EXPECT_TRUE(Checked(frame->m_LineMenu, kLineMode0 + 1));
  EXPECT_TRUE(Checked(frame->m_AngleMenu, kAngleMode0 + 4));
  // The mode toolbar is the one of the style read.
  ASSERT_NE(frame->m_ModeToolbar, nullptr);
  EXPECT_EQ(frame->m_ModeToolbar->FindById(ToolkitId(kModeSelect)), nullptr);
  EXPECT_NE(frame->m_ModeToolbar->FindById(ToolkitId(kModeMeet)), nullptr);
  // The file had no log entry, yet logging is on and the run says so.
  EXPECT_TRUE(Canvas().m_Doc->WritesLog());
  EXPECT_TRUE(Checked(frame->m_FileMenu, kCmdLogfile));
  ASSERT_FALSE(user->log.empty());
  EXPECT_EQ(user->log[0].rfind("**** Start ****", 0), 0u);
}

TEST_F(SettingsTest, LoggingSwitchedOffIsSavedYetTheNextRunLogsAgain) {
  Start();
  Command(kGModePanel);
  Command(ThemeNumber(THM_STAR));
  Command(kCmdLogfile);
  EXPECT_FALSE(Checked(frame->m_FileMenu, kCmdLogfile));
  EXPECT_FALSE(Canvas().m_Doc->WritesLog());
  RecordingUser* first = user;
  Exit();
  EXPECT_EQ(PrefFile(),
            "GMode=PANEL;ThemeMode=THM_STAR;PointMode=PT_1;LineMode=LN_1;AngleMode=AG_1;");
  // With logging off the quit goes unrecorded.
  EXPECT_EQ(first->log.size(), 1u);
  EXPECT_EQ(first->log.back().rfind("**** Start ****", 0), 0u);

  Start();
  EXPECT_EQ(Canvas().m_Tool.m_GMode, kGModePanel);
  EXPECT_TRUE(Checked(frame->m_FileMenu, kCmdLogfile));
  EXPECT_EQ(user->log.size(), 1u);
  Command(kCmdLogfile);  // off and on again: the switch flips each time
  Command(kCmdLogfile);
  RecordingUser* second = user;
  Exit();
  EXPECT_EQ(second->log.back(), "**** Quit ****\n");
  EXPECT_EQ(PrefFile(),
            "GMode=PANEL;ThemeMode=THM_STAR;PointMode=PT_1;LineMode=LN_1;AngleMode=AG_1;"
            "WriteLogfile;");
}

}  // namespace
