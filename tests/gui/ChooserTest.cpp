// The file choosers of the screen's user: shown and cancelled for real (a
// hook ends each one from inside its own modal loop), and kept alive from one
// choice to the next, so that a reply the toolkit sends a chooser after it
// closed never reaches a destroyed one. Also where the toolkit keeps its
// settings when there is no session bus.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include "app/Session.h"
#include "app/WxUser.h"
#include "gui/GuiHarness.h"

namespace {

// Answers every modal dialog with Cancel as soon as its loop runs, noting
// which dialogs came and which of them were destroyed since.
class CancelEveryDialog : public wxModalDialogHook {
 public:
  std::vector<wxDialog*> shown;
  int destroyed = 0;
  std::function<void()> whileOtherIsUp;

 protected:
  // A chooser's show passes the hook twice (its own and the dialog's).
  int Enter(wxDialog* dialog) override {
    const bool again = std::find(m_Open.begin(), m_Open.end(), dialog) != m_Open.end();
    m_Open.push_back(dialog);
    if (again) return wxID_NONE;
    if (!dynamic_cast<wxFileDialog*>(dialog) && whileOtherIsUp) {
      // Another dialog: what the test does while it is up, then it closes.
      wxTheApp->CallAfter([this, dialog] {
        whileOtherIsUp();
        dialog->EndModal(wxID_CANCEL);
      });
      return wxID_NONE;
    }
    if (std::find(shown.begin(), shown.end(), dialog) == shown.end()) {
      dialog->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& e) {
        ++destroyed;
        e.Skip();
      });
    }
    shown.push_back(dialog);
    // A timer, not CallAfter: a chooser asked from inside another dialog's
    // pending call runs its loop where pending calls wait.
    m_Timers.push_back(std::make_unique<wxTimer>());
    m_Timers.back()->Bind(wxEVT_TIMER, [dialog](wxTimerEvent&) { dialog->EndModal(wxID_CANCEL); });
    m_Timers.back()->StartOnce(1);
    return wxID_NONE;
  }
  void Exit(wxDialog* dialog) override {
    m_Open.erase(std::find(m_Open.begin(), m_Open.end(), dialog));
  }

 private:
  std::vector<wxDialog*> m_Open;  // in their modal loops now
  std::vector<std::unique_ptr<wxTimer>> m_Timers;
};

TEST(FileChooser, OneChooserPerDirectionOutlivesEveryChoice) {
  CancelEveryDialog hook;
  hook.Register();
  {
    WxUser user(TestFilesDir());
    EXPECT_EQ(user.ChooseFile("Choose a image file", "untitled", "image files|*.png", false), "");
    // A reply of the toolkit that comes after the chooser closed must find it.
    PumpEvents([] { return false; }, 50);
    EXPECT_EQ(hook.destroyed, 0);
    EXPECT_EQ(
        user.ChooseFile("Choose a file", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", false),
        "");
    EXPECT_EQ(
        user.ChooseFile("Input a file name", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", true),
        "");
    EXPECT_EQ(user.ChooseFile("Save an image file", "untitled",
                              "BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png", true),
              "");
    ASSERT_EQ(hook.shown.size(), 4u);
    EXPECT_EQ(hook.shown[0], hook.shown[1]);
    EXPECT_EQ(hook.shown[2], hook.shown[3]);
    EXPECT_NE(hook.shown[0], hook.shown[2]);
    EXPECT_EQ(hook.destroyed, 0);
    // Once the main loop is over, the choosers go.
    user.ReleaseChoosers();
    EXPECT_EQ(hook.destroyed, 2);
  }
}

// The storm found a chooser first asked for while another dialog was up:
// the toolkit made it that dialog's child and took its window down with the
// dialog, leaving a chooser without a window for the next question.
TEST(FileChooser, FirstAskedFromADialogItStillBelongsToTheMainWindow) {
  CancelEveryDialog hook;
  hook.Register();
  WxUser user(TestFilesDir());
  auto* outer = new wxDialog(wxTheApp->GetTopWindow(), wxID_ANY, "outer");
  auto* field = new wxTextCtrl(outer, wxID_ANY, "typed");
  hook.whileOtherIsUp = [&user, field] {
    field->SetFocus();  // the other dialog is the active window
    PumpEvents([] { return false; }, 100);
    EXPECT_EQ(
        user.ChooseFile("Choose a file", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", false),
        "");
  };
  outer->ShowModal();
  hook.whileOtherIsUp = nullptr;
  outer->Destroy();
  PumpEvents([] { return false; }, 50);
  EXPECT_EQ(user.ChooseFile("Choose a file", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", false),
            "");
  ASSERT_EQ(hook.shown.size(), 2u);
  EXPECT_EQ(hook.shown[0], hook.shown[1]);
  EXPECT_EQ(hook.shown[1]->GetParent(), wxTheApp->GetTopWindow());
  user.ReleaseChoosers();
}

TEST(SessionTest, SettingsKeptInMemoryOnlyWithoutAnyBus) {
  struct Case {
    const char* chosen;
    const char* bus;
    bool userBus;
    const char* expected;
  } cases[] = {
      {nullptr, nullptr, false, "memory"},
      {"", "", false, "memory"},
      {nullptr, "unix:path=/run/user/1000/bus", false, nullptr},
      {nullptr, nullptr, true, nullptr},
      {"dconf", nullptr, false, nullptr},  // a backend chosen by the person stays
  };
  for (const Case& c : cases) {
    const char* got = SettingsBackendFor(c.chosen, c.bus, c.userBus);
    EXPECT_STREQ(got, c.expected) << (c.chosen ? c.chosen : "-") << " " << (c.bus ? c.bus : "-");
  }
}

}  // namespace
