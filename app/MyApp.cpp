// MyApp: creates the main window "Figuretta - untitled.fgf" at (50, 50) with
// 950 x 700 pixels, shows it and makes it the top window.
#include "app/MyApp.h"

#include <wx/image.h>

#include "app/MyFrame.h"
#include "app/WxUser.h"
#include "interaction/MyCanvas.h"
#include "model/AppFolders.h"

MyApp::MyApp() = default;

// The toolbar pictures are shared by every frame; let them go with the
// application, while the toolkit is still there to free them.
MyApp::~MyApp() { ReleaseToolbarBitmaps(); }

bool MyApp::OnInit() {
  if (!m_User) {
    m_OwnUser = std::make_unique<WxUser>(ResolveAppFolders().state);
    m_User = m_OwnUser.get();
  }
  // Pictures placed in documents may be PNG, JPEG or GIF.
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  m_Frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), m_User);
  m_Frame->Show(true);
  SetTopWindow(m_Frame);
  return true;
}

int MyApp::OnExit() { return 0; }
