// MyApp: the application object. It builds the main window at start and
// chooses who answers the program's questions (the screen, or a test's recorder).
#pragma once

#include <memory>
#include <wx/app.h>

#include "model/User.h"

class WxUser;

class MyFrame;

class MyApp : public wxApp {
 public:
  MyApp();
  ~MyApp() override;
  bool OnInit() override;
  int OnExit() override;

  // Set before OnInit to answer every message without a screen (tests);
  // left empty, the program talks to the person through dialogs.
  GUser* m_User = nullptr;
  MyFrame* m_Frame = nullptr;

 private:
  std::unique_ptr<WxUser> m_OwnUser;
};

wxDECLARE_APP(MyApp);
