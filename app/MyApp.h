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
  // After every command and mouse or key event (not those handled inside a
  // dialog a command opened) the window's document may have changed: its
  // recovery copy is told. With FIGURETTA_CHECK_INVARIANTS the document must
  // also keep its standing rules; the first that breaks stops the program
  // with a report.
  void CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor,
                        wxEvent& event) const override;
  // How many event handlers are running, one inside another: 1 in a handler
  // called from the main loop, more while a handler waits on a dialog.
  int HandlerDepth() const { return m_HandlerDepth; }

  // Set before OnInit to answer every message without a screen (tests);
  // left empty, the program talks to the person through dialogs.
  GUser* m_User = nullptr;
  MyFrame* m_Frame = nullptr;

 private:
  std::unique_ptr<WxUser> m_OwnUser;
  // With FIGURETTA_ANSWERS set: questions answered from it, all said on
  // standard output (app/AnsweringUser.h).
  std::unique_ptr<GUser> m_Answering;
  mutable int m_HandlerDepth = 0;
};

wxDECLARE_APP(MyApp);
