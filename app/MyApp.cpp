// MyApp: creates the main window "Figuretta - untitled.fgf" at (50, 50) with
// 950 x 700 pixels, shows it, makes it the top window and opens the document
// named on the command line.
#include "app/MyApp.h"

#include <wx/image.h>

#include "app/MyFrame.h"
#include "app/Session.h"
#include "app/WxUser.h"
#include "interaction/MyCanvas.h"
#include "model/AppFolders.h"

// The toolkit starts after the application object is made: its settings
// backend is chosen here, while that still counts.
MyApp::MyApp() { ChooseSettingsBackend(); }

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
  // The file choosers are shown over the frame and count it as their
  // parent: they go just before it, at the very end of the run.
  if (m_OwnUser) {
    m_Frame->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
      if (event.GetEventObject() == m_Frame) m_OwnUser->ReleaseChoosers();
      event.Skip();
    });
  }
  m_Frame->Show(true);
  SetTopWindow(m_Frame);
  // "figuretta FILE.fgf" (as the desktop starts it for a document) opens the
  // first name that is not an option.
  for (int i = 1; i < argc; ++i) {
    const wxString arg = argv[i];
    if (arg.empty() || arg.StartsWith("-")) continue;
    m_Frame->OpenAtStart(arg);
    break;
  }
  return true;
}

int MyApp::OnExit() { return 0; }
