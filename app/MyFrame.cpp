// MyFrame: construction of the main window and its menus, the command table,
// the file, edit, sheet and slide-show commands, resizing and closing.
#include "app/MyFrame.h"

#include <wx/icon.h>
#include <wx/statusbr.h>

#include "app/CommandIds.h"
#include "app/MenuTexts.h"
#include "app/dialogs/PropertyDialogs.h"
#include "app/dialogs/ToolDialogs.h"
#include "interaction/MyCanvas.h"
#include "model/Utf8Text.h"
#include "resources/appicon.xpm"
#include "script/Recovery.h"

// clang-format off
wxBEGIN_EVENT_TABLE(MyFrame, wxFrame)
  EVT_MENU(ToolkitId(kCmdNew), MyFrame::OnNew)
  EVT_MENU(ToolkitId(kCmdOpen), MyFrame::OnOpen)
  EVT_MENU(ToolkitId(kCmdSave), MyFrame::OnSave)
  EVT_MENU(ToolkitId(kCmdSaveCsv), MyFrame::OnSaveCsv)
  EVT_MENU(ToolkitId(kCmdSaveBmp), MyFrame::OnSaveBmp)
  EVT_MENU(ToolkitId(kCmdLogfile), MyFrame::OnLogfile)
  EVT_MENU(ToolkitId(kCmdPrint), MyFrame::OnPrint)
  EVT_MENU(ToolkitId(kCmdPageSetup), MyFrame::OnPageSetup)
  EVT_MENU(ToolkitId(kCmdPrintPreview), MyFrame::OnPrintPreview)
  EVT_MENU(ToolkitId(kCmdExportPdf), MyFrame::OnExportPdf)
  EVT_MENU(ToolkitId(kCmdAbout), MyFrame::OnAbout)
  EVT_MENU(ToolkitId(kCmdExit), MyFrame::OnQuit)
  EVT_MENU(ToolkitId(kCmdUndo), MyFrame::OnModeUndo)
  EVT_MENU(ToolkitId(kCmdRedo), MyFrame::OnModeRedo)
  EVT_UPDATE_UI(ToolkitId(kCmdUndo), MyFrame::OnUpdateUndo)
  EVT_UPDATE_UI(ToolkitId(kCmdRedo), MyFrame::OnUpdateRedo)
  EVT_MENU(ToolkitId(kCmdNextSheet), MyFrame::OnNextSheet)
  EVT_MENU(ToolkitId(kCmdPrevSheet), MyFrame::OnPrevSheet)
  EVT_MENU(ToolkitId(kCmdInsertNew), MyFrame::OnInsertNew)
  EVT_MENU(ToolkitId(kCmdInsertCopyFigure), MyFrame::OnInsertCopyFigure)
  EVT_MENU(ToolkitId(kCmdInsertCopyAll), MyFrame::OnInsertCopyAll)
  EVT_MENU(ToolkitId(kCmdDeleteSheet), MyFrame::OnDeleteSheet)
  EVT_MENU(ToolkitId(kCmdEditText), MyFrame::OnEditText)
  EVT_MENU(ToolkitId(kCmdBenchMark), MyFrame::OnBenchMark)
  EVT_MENU(ToolkitId(kCmdSlideShowStart), MyFrame::OnSlideShowStart)
  EVT_MENU(ToolkitId(kCmdSlideShowProperty), MyFrame::OnSlideShowProperty)
  EVT_MENU(ThemeNumber(THM_STANDARD), MyFrame::OnThemeStandard)
  EVT_MENU(ThemeNumber(THM_CAT), MyFrame::OnThemeCat)
  EVT_MENU(ThemeNumber(THM_STAR), MyFrame::OnThemeStar)
  EVT_MENU(ThemeNumber(THM_QUIL), MyFrame::OnThemeQuil)
  EVT_MENU(ThemeNumber(THM_TOVIK), MyFrame::OnThemeTovik)
  EVT_MENU(ThemeNumber(THM_PASTEL), MyFrame::OnThemePastel)
  EVT_MENU(ThemeNumber(THM_SKELETON), MyFrame::OnThemeSkeleton)
  EVT_MENU(kCmdPoint0 + 0, MyFrame::OnPt0)
  EVT_MENU(kCmdPoint0 + 1, MyFrame::OnPt1)
  EVT_MENU(kCmdPoint0 + 2, MyFrame::OnPt2)
  EVT_MENU(kCmdPoint0 + 3, MyFrame::OnPt3)
  EVT_MENU(kCmdPoint0 + 4, MyFrame::OnPt4)
  EVT_MENU(kCmdLine0 + 0, MyFrame::OnLn0)
  EVT_MENU(kCmdLine0 + 1, MyFrame::OnLn1)
  EVT_MENU(kCmdLine0 + 2, MyFrame::OnLn2)
  EVT_MENU(kCmdLine0 + 3, MyFrame::OnLn3)
  EVT_MENU(kCmdLine0 + 4, MyFrame::OnLn4)
  EVT_MENU(kCmdAngle0 + 0, MyFrame::OnAg0)
  EVT_MENU(kCmdAngle0 + 1, MyFrame::OnAg1)
  EVT_MENU(kCmdAngle0 + 2, MyFrame::OnAg2)
  EVT_MENU(kCmdAngle0 + 3, MyFrame::OnAg3)
  EVT_MENU(kCmdAngle0 + 4, MyFrame::OnAg4)
  EVT_MENU(kCmdBackground, MyFrame::OnBg)
  EVT_MENU(kCmdCustomize, MyFrame::OnAppearSelect)
  EVT_MENU(ToolkitId(kCmdProperty), MyFrame::OnProperty)
  EVT_MENU(ToolkitId(kCmdCloneOn), MyFrame::OnCloneOn)
  EVT_MENU(ToolkitId(kCmdMeasure), MyFrame::OnMeasure)
  EVT_MENU(ToolkitId(kCmdShowHidden), MyFrame::OnShowHidden)
  EVT_MENU(ToolkitId(kCmdShowAgain), MyFrame::OnShowAgain)
  EVT_MENU(ToolkitId(kCmdSquaredPaper), MyFrame::OnSquaredPaper)
  EVT_UPDATE_UI(ToolkitId(kCmdSquaredPaper), MyFrame::OnUpdateSquaredPaper)
  EVT_MENU(ToolkitId(kGModeTovik), MyFrame::OnGModeTovik)
  EVT_MENU(ToolkitId(kGModeQuil), MyFrame::OnGModeQuil)
  EVT_MENU(ToolkitId(kGModePanel), MyFrame::OnGModePanel)
  EVT_MENU(ToolkitId(kModeMove), MyFrame::OnModeMove)
  EVT_MENU(ToolkitId(kModeSPoint), MyFrame::OnModeSPoint)
  EVT_MENU(ToolkitId(kModeMLine), MyFrame::OnModeMLine)
  EVT_MENU(ToolkitId(kModePara), MyFrame::OnModePara)
  EVT_MENU(ToolkitId(kModePerp), MyFrame::OnModePerp)
  EVT_MENU(ToolkitId(kModeMid), MyFrame::OnModeMid)
  EVT_MENU(ToolkitId(kModeMCircle), MyFrame::OnModeMCircle)
  EVT_MENU(ToolkitId(kModeBisector), MyFrame::OnModeBisector)
  EVT_MENU(ToolkitId(kModeMeet), MyFrame::OnModeMeet)
  EVT_MENU(ToolkitId(kModeClipping), MyFrame::OnModeClipping)
  EVT_MENU(ToolkitId(kModeAxis), MyFrame::OnModeAxis)
  EVT_MENU(ToolkitId(kModeGraph), MyFrame::OnModeGraph)
  EVT_MENU(ToolkitId(kModeTangent), MyFrame::OnModeTangent)
  EVT_MENU(ToolkitId(kModeText), MyFrame::OnModeText)
  EVT_MENU(ToolkitId(kModeCompass), MyFrame::OnModeCompass)
  EVT_MENU(ToolkitId(kModeOrbit), MyFrame::OnModeOrbit)
  EVT_MENU(ToolkitId(kModeCircleBy3), MyFrame::OnModeCircleBy3)
  EVT_MENU(ToolkitId(kModeInvisible), MyFrame::OnModeInvisible)
  EVT_MENU(ToolkitId(kModeZoomIn), MyFrame::OnModeZoomIn)
  EVT_MENU(ToolkitId(kModeZoomOut), MyFrame::OnModeZoomOut)
  EVT_MENU(ToolkitId(kModeAngle), MyFrame::OnModeAngle)
  EVT_MENU(ToolkitId(kModeLineWithAngle), MyFrame::OnModeLineWithAngle)
  EVT_MENU(ToolkitId(kModeEraser), MyFrame::OnModeEraser)
  EVT_MENU(ToolkitId(kModeImage), MyFrame::OnModeImage)
  EVT_MENU(ToolkitId(kModeBracket), MyFrame::OnModeBracket)
  EVT_MENU(ToolkitId(kModeSelect), MyFrame::OnModeSelect)
  EVT_MENU(kCmdIdModeTangent, MyFrame::OnIdModeTangent)
  EVT_MENU(kCmdIdModeCircleBy3, MyFrame::OnIdModeCircleBy3)
  EVT_MENU_RANGE(kCmdLanguage0, kCmdLanguage0 + 15, MyFrame::OnLanguage)
  EVT_SIZE(MyFrame::OnSize)
  EVT_CLOSE(MyFrame::OnClose)
wxEND_EVENT_TABLE()
    // clang-format on

    MyFrame::MyFrame(const wxString& title, const wxPoint& pos, const wxSize& size, GUser* user)
    : wxFrame(nullptr, wxID_ANY, title, pos, size), m_User(user) {
  SetIcon(wxIcon(appicon_xpm));
  BuildMenus();
  CreateStatusBar(2);
  // The sheet counter is short; the guidance beside it takes the rest.
  const int widths[2] = {-1, -4};
  SetStatusWidths(2, widths);
  SetStatusText(StatusWelcome, 0);
  m_Canvas = new MyCanvas(this, m_User);
  // The canvas asks its questions through the frame's dialogs, and its
  // selection changes reach the toolbar.
  m_Canvas->m_AskText = [this](GTextEdit& e) { return AskTextByDialog(m_Canvas, e); };
  m_Canvas->m_AskAngle = [this](GAngleChoice& c) { return AskAngleByDialog(m_Canvas, c); };
  m_Canvas->m_AskGraph = [this](GGraphInput& g, const GGraphAccept& accept) {
    return AskGraphByDialog(m_Canvas, g, accept);
  };
  m_Canvas->m_OnSelectionChanged = [this] { enableToolbar(); };
  InstallSlideShow();
  InstallRecovery();
  m_Canvas->m_EditBracket = [this](GBracket& b) { return EditBracketByDialog(m_Canvas, b); };
  m_Canvas->m_EditAngle = [this](GAngle& a) { return EditAngleByDialog(m_Canvas, a); };
  // The canvas read the preference file: the menus show what it brought.
  CheckSettingsMenus();
  RecreateToolbar();
  SetToolMode(kModeMove);
  // The toolbars took room from the client area: give the canvas what is left.
  wxSize client = GetClientSize();
  if (client.x != m_Canvas->m_Painter.m_Width || client.y != m_Canvas->m_Painter.m_Height) {
    m_Canvas->m_Painter.m_Width = client.x;
    m_Canvas->m_Painter.m_Height = client.y;
    m_Canvas->OnSize();
    PlaceModeToolbar();
  }
}

MyFrame::~MyFrame() = default;

void MyFrame::BuildMenus() {
  m_FileMenu = new wxMenu;
  m_FileMenu->Append(ToolkitId(kCmdNew), MenuFileNew);
  m_FileMenu->Append(ToolkitId(kCmdOpen), MenuFileOpen);
  m_FileMenu->Append(ToolkitId(kCmdSave), MenuFileSave);
  m_FileMenu->Append(ToolkitId(kCmdSaveCsv), MenuFileSaveCsv);
  m_FileMenu->Append(ToolkitId(kCmdSaveBmp), MenuFileSaveBmp);
  m_FileMenu->AppendCheckItem(ToolkitId(kCmdLogfile), MenuFileLogfile);
  m_FileMenu->AppendSeparator();
  m_FileMenu->Append(ToolkitId(kCmdPrint), MenuFilePrint);
  m_FileMenu->Append(ToolkitId(kCmdPageSetup), MenuFilePageSetup);
  m_FileMenu->Append(ToolkitId(kCmdPrintPreview), MenuFilePrintPreview);
  m_FileMenu->Append(ToolkitId(kCmdExportPdf), MenuFileExportPdf);
  m_FileMenu->AppendSeparator();
  m_FileMenu->Append(ToolkitId(kCmdAbout), MenuFileAbout);
  m_FileMenu->Append(ToolkitId(kCmdExit), MenuFileExit);

  m_EditMenu = new wxMenu;
  m_EditMenu->Append(ToolkitId(kCmdUndo), MenuEditUndo);
  m_EditMenu->Append(ToolkitId(kCmdRedo), MenuEditRedo);
  m_EditMenu->AppendSeparator();
  m_EditMenu->Append(ToolkitId(kCmdNextSheet), MenuEditNextSheet);
  m_EditMenu->Append(ToolkitId(kCmdPrevSheet), MenuEditPrevSheet);
  m_EditMenu->AppendSeparator();
  m_EditMenu->Append(ToolkitId(kCmdInsertNew), MenuEditInsertNew);
  m_EditMenu->Append(ToolkitId(kCmdInsertCopyFigure), MenuEditInsertCopyFigure);
  m_EditMenu->Append(ToolkitId(kCmdInsertCopyAll), MenuEditInsertCopyAll);
  m_EditMenu->Append(ToolkitId(kCmdDeleteSheet), MenuEditDeleteSheet);
  m_EditMenu->AppendSeparator();
  m_EditMenu->Append(ToolkitId(kCmdMeasure), MenuEditMeasure);
  m_EditMenu->Append(ToolkitId(kCmdShowAgain), MenuEditShowAgain);
  m_EditMenu->AppendSeparator();
  m_EditMenu->Append(ToolkitId(kCmdEditText), MenuEditScript);
  m_EditMenu->Append(ToolkitId(kCmdBenchMark), MenuEditBenchMark);

  m_ModeMenu = new wxMenu;
  m_ModeMenu->Append(ToolkitId(kGModeTovik), MenuModeTovik);
  m_ModeMenu->Append(ToolkitId(kGModeQuil), MenuModeQuil);
  m_ModeMenu->Append(ToolkitId(kGModePanel), MenuModePanel);
  m_ModeMenu->AppendSeparator();
  m_ModeMenu->Append(ToolkitId(kModeSelect), ToolText_ModeSelect);
  m_ModeMenu->Append(ToolkitId(kModeMove), ToolText_ModeMove);
  m_ModeMenu->Append(ToolkitId(kModeSPoint), ToolText_ModeSPoint);
  m_ModeMenu->Append(ToolkitId(kModeMLine), ToolText_ModeMLine);
  m_ModeMenu->Append(ToolkitId(kModePara), ToolText_ModePara);
  m_ModeMenu->Append(ToolkitId(kModePerp), ToolText_ModePerp);
  m_ModeMenu->Append(ToolkitId(kModeMid), ToolText_ModeMid);
  m_ModeMenu->Append(ToolkitId(kModeMCircle), ToolText_ModeMCircle);
  m_ModeMenu->Append(ToolkitId(kModeBisector), ToolText_ModeBisector);

  m_SlideMenu = new wxMenu;
  m_SlideMenu->Append(ToolkitId(kCmdSlideShowStart), MenuSlideShowStart);
  m_SlideMenu->Append(ToolkitId(kCmdSlideShowProperty), MenuSlideShowProperty);

  m_ThemeMenu = new wxMenu;
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_STANDARD), MenuThemeStandard);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_CAT), MenuThemeCat);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_STAR), MenuThemeStar);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_SKELETON), MenuThemeSkeleton);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_QUIL), MenuThemeQuil);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_TOVIK), MenuThemeTovik);
  m_ThemeMenu->AppendRadioItem(ThemeNumber(THM_PASTEL), MenuThemePastel);
  m_PointMenu = new wxMenu;
  m_LineMenu = new wxMenu;
  m_AngleMenu = new wxMenu;
  for (int i = 0; i < 5; ++i) {
    m_PointMenu->AppendRadioItem(kCmdPoint0 + i, MenuPointStyle[i]);
    m_LineMenu->AppendRadioItem(kCmdLine0 + i, MenuLineStyle[i]);
    m_AngleMenu->AppendRadioItem(kCmdAngle0 + i, MenuAngleStyle[i]);
  }

  m_AppearMenu = new wxMenu;
  m_AppearMenu->AppendSubMenu(m_ThemeMenu, MenuTheme);
  m_AppearMenu->AppendSeparator();
  m_AppearMenu->AppendSubMenu(m_PointMenu, MenuPoint);
  m_AppearMenu->AppendSubMenu(m_LineMenu, MenuLine);
  m_AppearMenu->AppendSubMenu(m_AngleMenu, MenuAngle);
  m_AppearMenu->Append(kCmdBackground, MenuBackground);
  m_AppearMenu->AppendSeparator();
  m_AppearMenu->Append(kCmdCustomize, MenuCustomize);
  m_AppearMenu->Append(ToolkitId(kCmdProperty), MenuProperty);
  m_AppearMenu->AppendSeparator();
  m_AppearMenu->AppendCheckItem(ToolkitId(kCmdCloneOn), MenuAfterimage);
  m_AppearMenu->AppendCheckItem(ToolkitId(kCmdShowHidden), MenuShowHidden);
  m_AppearMenu->AppendCheckItem(ToolkitId(kCmdSquaredPaper), MenuSquaredPaper);
  m_AppearMenu->AppendSeparator();
  m_AppearMenu->AppendSubMenu(LanguageMenu(), MenuLanguage);

  auto* bar = new wxMenuBar;
  bar->Append(m_FileMenu, MenuFile);
  bar->Append(m_EditMenu, MenuEdit);
  bar->Append(m_ModeMenu, MenuMode);
  bar->Append(m_SlideMenu, MenuSlideshow);
  bar->Append(m_AppearMenu, MenuAppearance);
  SetMenuBar(bar);
}

// ---- file: New, Open and Save are in FrameDocument.cpp; exporting and
// printing in FrameExport.cpp. ----

void MyFrame::OnAbout(wxCommandEvent&) {
  m_User->ShowMessage(
      std::string(Tr("wxFiguretta \nFiguretta on wxWidgets\n\n")) +
          Tr("Made for children who like to draw with compass and ruler.\n") +
          StrFormat(Tr("Version %s\nLicence: %s\n"), FIGURETTA_VERSION, FIGURETTA_LICENCE),
      wxString(AboutCaption).utf8_string(), GUser::kInformation);
}

// Exit closes the window; the close event asks the question, once.
void MyFrame::OnQuit(wxCommandEvent&) { Close(true); }

// ---- edit: undo and redo are in FrameUndo.cpp, the sheet commands in
// FrameDocument.cpp, the script editor in FrameScript.cpp. ----
void MyFrame::OnBenchMark(wxCommandEvent&) { m_Canvas->OnBenchMark(); }

// ---- slide show: app/FrameSlides.cpp. ----

// ---- window ----
void MyFrame::OnSize(wxSizeEvent&) {
  if (m_Canvas && m_ToolbarBuilt) {
    wxSize client = GetClientSize();
    if (client.x != m_Canvas->m_Painter.m_Width || client.y != m_Canvas->m_Painter.m_Height) {
      m_Canvas->m_Painter.m_Width = client.x;
      m_Canvas->m_Painter.m_Height = client.y;
      m_Canvas->OnSize();
      RecreateToolbar();
    }
  }
  Refresh(false);
}

void MyFrame::OnClose(wxCloseEvent&) {
  // Exit and the window's close button both end here; a second close event
  // while the window is going away must not ask again.
  if (m_Closing) return;
  m_Closing = true;
  // No lets the unsaved changes go; a save that was wanted but did not
  // happen (the chooser cancelled, the disk refused) keeps them in the
  // recovery copy for the next start.
  if (m_User->Ask(wxString(QuitQuestion).utf8_string(), wxString(QuitCaption).utf8_string()) !=
      GUser::kYes)
    m_Recovery->Finish();
  else if (!SaveChosenFile())
    m_Recovery->KeepForNextStart();
  else
    m_Recovery->Finish();
  // Whatever happened to the document, the settings are kept for the next run.
  m_Canvas->WritePrefFile();
  m_Canvas->WriteLogFile("**** Quit ****\n");
  Destroy();
}
