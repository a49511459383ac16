// The GUI test main: starts MyApp without entering its event loop, turns
// toolkit asserts into test failures and logs into stderr, runs every test,
// then shuts the toolkit down. The program's own files (preferences, logs) go
// to a folder of the run's own, which every test starts without preferences.
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <memory>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "gui/GuiHarness.h"
#include "model/AppFolders.h"
#include "model/Prefs.h"

namespace {

MyApp* g_App = nullptr;
RecordingUser g_AppUser;
std::vector<std::unique_ptr<RecordingUser>> g_LastingUsers;

// A failed toolkit assert would open a modal box and block the run forever.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str().data(), line) << "toolkit assert in " << func.utf8_string() << ": "
                                               << cond.utf8_string() << " " << msg.utf8_string();
}

std::string g_FilesDir;

// Whatever a test left in the preference file must not reach the next one.
class FreshPreferences : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    std::filesystem::remove(InFolder(g_FilesDir, kPrefFileName));
  }
};

}  // namespace

const std::string& TestFilesDir() { return g_FilesDir; }

MyApp& TheApp() { return *g_App; }
RecordingUser& AppUser() { return g_AppUser; }

RecordingUser* LastingUser() {
  g_LastingUsers.push_back(std::make_unique<RecordingUser>());
  return g_LastingUsers.back().get();
}

bool PumpEvents(const std::function<bool()>& done, int timeoutMs) {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  std::unique_ptr<wxEventLoop> own;
  std::unique_ptr<wxEventLoopActivator> activate;
  if (!loop) {
    own = std::make_unique<wxEventLoop>();
    activate = std::make_unique<wxEventLoopActivator>(own.get());
    loop = own.get();
  }
  for (int waited = 0; waited <= timeoutMs; waited += 10) {
    while (loop->Pending()) loop->Dispatch();
    wxTheApp->ProcessPendingEvents();
    if (done()) return true;
    wxMilliSleep(10);
  }
  return done();
}

bool SaveWindowPicture(wxWindow* window, const char* path) {
  const wxRect r = window->GetScreenRect();
  wxBitmap shot(r.width, r.height, 24);
  {
    wxScreenDC screen;
    wxMemoryDC mem(shot);
    mem.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
  }
  return shot.SaveFile(path, wxBITMAP_TYPE_PNG);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  char files[] = "/tmp/figuretta-gui-files-XXXXXX";
  if (!mkdtemp(files)) {
    fprintf(stderr, "cannot make a folder for the program's files\n");
    return 2;
  }
  g_FilesDir = files;
  setenv(kFilesDirVariable, files, 1);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshPreferences);
  wxSetAssertHandler(FailOnAssert);
  g_App = new MyApp;
  g_App->m_User = &g_AppUser;
  wxApp::SetInstance(g_App);
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "cannot start the toolkit (no display?)\n");
    return 2;
  }
  wxSetAssertHandler(FailOnAssert);
  delete wxLog::SetActiveTarget(new wxLogStderr);
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  if (!wxTheApp->CallOnInit()) {
    fprintf(stderr, "MyApp::OnInit failed\n");
    wxEntryCleanup();
    return 2;
  }
  int result = RUN_ALL_TESTS();
  wxEntryCleanup();
  g_LastingUsers.clear();
  std::filesystem::remove_all(g_FilesDir);
  return result;
}
