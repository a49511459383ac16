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
#ifdef FIGURETTA_CHECK_INVARIANTS
  // After every command and mouse or key event (not those handled inside a
  // dialog a command opened), the document must keep its standing rules; the
  // first that breaks stops the program with a report.
  void CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor,
                        wxEvent& event) const override;
#endif

  // Set before OnInit to answer every message without a screen (tests);
  // left empty, the program talks to the person through dialogs.
  GUser* m_User = nullptr;
  MyFrame* m_Frame = nullptr;

 private:
  std::unique_ptr<WxUser> m_OwnUser;
#ifdef FIGURETTA_CHECK_INVARIANTS
  mutable int m_HandlerDepth = 0;
#endif
};

wxDECLARE_APP(MyApp);
