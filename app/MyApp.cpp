// MyApp: creates the main window "Figuretta - untitled.fgf" at (50, 50) with
// 950 x 700 pixels, shows it, makes it the top window and opens the document
// named on the command line.
#include "app/MyApp.h"

#include <wx/image.h>

#include "app/AnsweringUser.h"
#include "app/Language.h"
#include "app/MyFrame.h"
#include "app/Session.h"
#include "app/WxUser.h"
#include "interaction/MyCanvas.h"
#include "model/AppFolders.h"
#include "model/Invariants.h"
#include "model/Prefs.h"

#include <cstdio>
#include <cstdlib>

// The toolkit starts after the application object is made: its settings
// backend is chosen here, while that still counts.
MyApp::MyApp() { ChooseSettingsBackend(); }

// The toolbar pictures are shared by every frame; let them go with the
// application, while the toolkit is still there to free them.
MyApp::~MyApp() { ReleaseToolbarBitmaps(); }

bool MyApp::OnInit() {
  // The language is chosen before any window shows a text: the one the
  // preference file names, else the system's.
  GPrefs prefs;
  LoadPrefs(InFolder(ResolveAppFolders().config, kPrefFileName), prefs);
  StartTranslations(prefs.language);
  if (!m_User) {
    m_OwnUser = std::make_unique<WxUser>(ResolveAppFolders().state);
    m_User = m_OwnUser.get();
    if (const char* answers = std::getenv(kAnswersVariable)) {
      m_Answering = std::make_unique<AnsweringUser>(*m_OwnUser, answers);
      m_User = m_Answering.get();
    }
  }
  // Pictures placed in documents may be PNG, JPEG or GIF.
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxInitAllImageHandlers();
  m_Frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), m_User);
  // The file choosers are shown over the frame and count it as their
  // parent: they go just before it, at the very end of the run.
  m_Frame->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == m_Frame) {
      if (m_OwnUser) m_OwnUser->ReleaseChoosers();
      m_Frame = nullptr;
    }
    event.Skip();
  });
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
  // A figure a program that stopped left unsaved; Yes takes the place of the
  // file just opened, which is whole on the disk.
  m_Frame->OfferRecovery();
  return true;
}

int MyApp::OnExit() { return 0; }

namespace {
bool IsCommand(const wxEvent& e) {
  const wxEventType t = e.GetEventType();
  return t == wxEVT_MENU || t == wxEVT_LEFT_DOWN || t == wxEVT_LEFT_UP || t == wxEVT_RIGHT_DOWN ||
         t == wxEVT_RIGHT_UP || t == wxEVT_MOTION || t == wxEVT_LEAVE_WINDOW ||
         t == wxEVT_KEY_DOWN || t == wxEVT_CHAR || t == wxEVT_LEFT_DCLICK || t == wxEVT_MOUSEWHEEL;
}

// The main window an event was handled for: the handler's, else the one the
// event came from (a menu is no window), else the application's.
MyFrame* FrameOf(wxEvtHandler* handler, const wxEvent& e, MyFrame* fallback) {
  for (wxObject* o : {static_cast<wxObject*>(handler), e.GetEventObject()})
    if (auto* w = wxDynamicCast(o, wxWindow))
      if (auto* f = dynamic_cast<MyFrame*>(wxGetTopLevelParent(w))) return f;
  return fallback;
}
}  // namespace

void MyApp::CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const {
  // A pointer moved with no button held changes nothing.
  const bool outer = m_HandlerDepth == 0 && IsCommand(event);
  const bool hover =
      event.GetEventType() == wxEVT_MOTION && !static_cast<const wxMouseEvent&>(event).Dragging();
  MyFrame* frame = outer && !hover ? FrameOf(handler, event, m_Frame) : nullptr;
  if (frame && !frame->m_Canvas) frame = nullptr;
  if (frame) frame->HistoryBefore(event);
  ++m_HandlerDepth;
  wxApp::CallEventHandler(handler, functor, event);
  --m_HandlerDepth;
  if (!outer) return;
  // The handler may have closed the window.
  if (frame && frame != FrameOf(handler, event, m_Frame)) frame = nullptr;
  if (frame && frame->m_Canvas) {
    frame->HistoryAfter(event);
    frame->RecoveryTouched();
  }
#ifdef FIGURETTA_CHECK_INVARIANTS
  if (!m_Frame || !m_Frame->m_Canvas) return;
  const std::string report =
      InvariantReport(*m_Frame->m_Canvas->m_Doc, &m_Frame->m_Canvas->Gesture());
  if (report.empty()) return;
  fprintf(stderr, "figuretta: the document broke its rules after event %d:\n%s",
          static_cast<int>(event.GetEventType()), report.c_str());
  abort();
#endif
}
