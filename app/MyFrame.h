// MyFrame: the main window. It owns the canvas, the menus, the frame's toolbar,
// the mode toolbar of the current interaction style and the status bar, and
// forwards nearly every command to the canvas.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/Language.h"
#include "model/Modes.h"
#include "model/User.h"

class GDocument;
class GGesture;
class GRecoveryKeeper;

class MyCanvas;

constexpr int kToolbarBitmapCount = 33;
// The pictures of every toolbar button, built once from the built-in images.
extern wxBitmap toolBarBitmap[kToolbarBitmapCount];
extern bool m_InitToolbar;
// Frees the shared toolbar pictures (at the end of the program).
void ReleaseToolbarBitmaps();

class MyFrame : public wxFrame {
 public:
  // user answers every message of the program (a recorder in tests).
  MyFrame(const wxString& title, const wxPoint& pos, const wxSize& size, GUser* user);
  ~MyFrame() override;

  wxMenu* m_FileMenu = nullptr;
  wxMenu* m_EditMenu = nullptr;
  wxMenu* m_ModeMenu = nullptr;
  wxMenu* m_SlideMenu = nullptr;
  wxMenu* m_AppearMenu = nullptr;
  wxMenu* m_ThemeMenu = nullptr;
  wxMenu* m_PointMenu = nullptr;
  wxMenu* m_LineMenu = nullptr;
  wxMenu* m_AngleMenu = nullptr;
  wxToolBar* m_ModeToolbar = nullptr;
  bool m_ToolbarBuilt = false;
  MyCanvas* m_Canvas = nullptr;
  GUser* m_User;

  // Builds the 33 toolbar pictures; true when all of them loaded.
  bool InitToolbarBMP();
  // Rebuilds the frame's toolbar and the mode toolbar for the current style.
  int RecreateToolbar();
  // Sets which buttons are enabled and pressed from the canvas state.
  void enableToolbar();
  // Places the mode toolbar on top of the client area at the canvas width.
  void PlaceModeToolbar();
  // Whether the current sheet has a step to undo, an undone step to redo.
  bool CanUndo() const;
  bool CanRedo() const;
  // ---- the history of actions (app/FrameHistory.cpp) ----
  // Around every command, mouse and key event handled from the main loop:
  // before it, what changed since is taken as no action; after it, what it
  // changed is recorded as one action (a drag once its button is released).
  void HistoryBefore(const wxEvent& event);
  void HistoryAfter(const wxEvent& event);
  // The menu item or the tool an event used, as the name of its action.
  std::string ActionLabel(const wxEvent& event) const;
  // The Undo and Redo buttons' tooltips and the status texts of the menu
  // items: what they would take back or apply again.
  void ShowHistoryTexts();

  // ---- file ----
  void OnNew(wxCommandEvent& event);
  void OnOpen(wxCommandEvent& event);
  void OnSave(wxCommandEvent& event);
  // The Save command, also taken when the person quits with Yes: the file is
  // chosen and written, and the window is titled with the path written.
  // False when the chooser was cancelled or the file could not be written.
  bool SaveChosenFile();
  // The document's file ("" while untitled), as opened or last saved.
  std::string m_DocPath;

  // ---- the recovery copy (app/FrameRecovery.cpp) ----
  // Kept in the state folder while the document has changes not saved.
  std::unique_ptr<GRecoveryKeeper> m_Recovery;
  void InstallRecovery();
  // At start: the copy a program that stopped left behind is offered in one
  // question; Yes brings the figure back, titled as the document it came
  // from and still unsaved. A damaged copy is said so and put aside. True
  // when a figure came back.
  bool OfferRecovery();
  // The document may have changed (after every command, click or key).
  void RecoveryTouched();
  // The repaint tick, at RecoveryClock() milliseconds.
  void RecoveryTick(std::int64_t nowMs);
  static std::int64_t RecoveryClock();
  void OnSaveCsv(wxCommandEvent& event);
  void OnSaveBmp(wxCommandEvent& event);
  void OnLogfile(wxCommandEvent& event);
  void OnLanguage(wxCommandEvent& event);
  void OnPrint(wxCommandEvent& event);
  void OnPageSetup(wxCommandEvent& event);
  void OnPrintPreview(wxCommandEvent& event);
  void OnExportPdf(wxCommandEvent& event);
  // Every sheet of the document, one A4 page each, as "fgf render ... --sheet
  // all" draws the saved document, into `chosen` (".pdf" added when missing);
  // the window's document is left as it is. False, after telling the person,
  // when the file cannot be written.
  bool ExportPdf(const std::string& chosen);
  // The document's file name without folder and ".fgf", as the title shows
  // it ("untitled" before a first save): what the export choosers propose.
  std::string DocumentStem() const;
  // What the title adds to the name of a figure brought back from its
  // recovery copy, until it is saved.
  static constexpr const char* kNotSavedMark = N_(" (not saved)");
  // Opens a file by the one road (script/OpenFigure.h), after the person's
  // Yes when `ask`: true when the document is now the file's and the window
  // is titled with its name. A file that does not read whole is said so in
  // one message and changes nothing, the title included.
  bool OpenFile(const std::string& path, bool ask);
  // Opens the document named on the command line; when it does not open, the
  // empty document stays, titled as New titles it.
  void OpenAtStart(const wxString& path);
  void OnAbout(wxCommandEvent& event);
  void OnQuit(wxCommandEvent& event);
  // ---- edit and sheets ----
  void OnModeUndo(wxCommandEvent& event);
  void OnModeRedo(wxCommandEvent& event);
  // The Undo and Redo buttons are usable only while there is a step to take
  // back or to bring back (the menu items stay, so their keys always reach
  // the frame).
  void OnUpdateUndo(wxUpdateUIEvent& event);
  void OnUpdateRedo(wxUpdateUIEvent& event);
  void OnNextSheet(wxCommandEvent& event);
  void OnPrevSheet(wxCommandEvent& event);
  void OnInsertNew(wxCommandEvent& event);
  void OnInsertCopyFigure(wxCommandEvent& event);
  void OnInsertCopyAll(wxCommandEvent& event);
  void OnDeleteSheet(wxCommandEvent& event);
  void OnEditText(wxCommandEvent& event);
  void OnBenchMark(wxCommandEvent& event);
  // ---- slide show ----
  void OnSlideShowStart(wxCommandEvent& event);
  void OnSlideShowProperty(wxCommandEvent& event);
  // While the show runs the window fills the screen, Escape ends the show and
  // no command but the start command reaches the figure (app/FrameSlides.cpp).
  void PresentSlideShow(bool running);
  // ---- appearance ----
  void OnThemeStandard(wxCommandEvent& event);
  void OnThemeCat(wxCommandEvent& event);
  void OnThemeStar(wxCommandEvent& event);
  void OnThemeQuil(wxCommandEvent& event);
  void OnThemeTovik(wxCommandEvent& event);
  void OnThemePastel(wxCommandEvent& event);
  void OnThemeSkeleton(wxCommandEvent& event);
  void OnPt0(wxCommandEvent& event);
  void OnPt1(wxCommandEvent& event);
  void OnPt2(wxCommandEvent& event);
  void OnPt3(wxCommandEvent& event);
  void OnPt4(wxCommandEvent& event);
  void OnLn0(wxCommandEvent& event);
  void OnLn1(wxCommandEvent& event);
  void OnLn2(wxCommandEvent& event);
  void OnLn3(wxCommandEvent& event);
  void OnLn4(wxCommandEvent& event);
  void OnAg0(wxCommandEvent& event);
  void OnAg1(wxCommandEvent& event);
  void OnAg2(wxCommandEvent& event);
  void OnAg3(wxCommandEvent& event);
  void OnAg4(wxCommandEvent& event);
  void OnBg(wxCommandEvent& event);
  void OnAppearSelect(wxCommandEvent& event);
  void OnProperty(wxCommandEvent& event);
  void OnCloneOn(wxCommandEvent& event);
  // ---- measuring and hidden elements (app/FrameMeasure.cpp) ----
  void OnMeasure(wxCommandEvent& event);
  void OnShowHidden(wxCommandEvent& event);
  void OnShowAgain(wxCommandEvent& event);
  // Squared paper belongs to the sheet: the check follows sheet switches and files.
  void OnSquaredPaper(wxCommandEvent& event);
  void OnUpdateSquaredPaper(wxUpdateUIEvent& event);
  // ---- interaction styles ----
  void OnGModeTovik(wxCommandEvent& event);
  void OnGModeQuil(wxCommandEvent& event);
  void OnGModePanel(wxCommandEvent& event);
  // ---- tools ----
  void OnModeMove(wxCommandEvent& event);
  void OnModeSPoint(wxCommandEvent& event);
  void OnModeMLine(wxCommandEvent& event);
  void OnModePara(wxCommandEvent& event);
  void OnModePerp(wxCommandEvent& event);
  void OnModeMid(wxCommandEvent& event);
  void OnModeMCircle(wxCommandEvent& event);
  void OnModeBisector(wxCommandEvent& event);
  void OnModeMeet(wxCommandEvent& event);
  void OnModeClipping(wxCommandEvent& event);
  void OnModeAxis(wxCommandEvent& event);
  void OnModeGraph(wxCommandEvent& event);
  void OnModeTangent(wxCommandEvent& event);
  void OnModeText(wxCommandEvent& event);
  void OnModeCompass(wxCommandEvent& event);
  void OnModeOrbit(wxCommandEvent& event);
  void OnModeCircleBy3(wxCommandEvent& event);
  void OnModeInvisible(wxCommandEvent& event);
  void OnModeZoomIn(wxCommandEvent& event);
  void OnModeZoomOut(wxCommandEvent& event);
  void OnModeAngle(wxCommandEvent& event);
  void OnModeLineWithAngle(wxCommandEvent& event);
  void OnModeEraser(wxCommandEvent& event);
  void OnModeImage(wxCommandEvent& event);
  void OnModeBracket(wxCommandEvent& event);
  void OnModeSelect(wxCommandEvent& event);
  void OnIdModeTangent(wxCommandEvent& event);
  void OnIdModeCircleBy3(wxCommandEvent& event);
  // ---- window ----
  void OnSize(wxSizeEvent& event);
  void OnClose(wxCloseEvent& event);

 private:
  void BuildMenus();
  wxMenu* LanguageMenu();
  // Checks the theme, point, line and angle items and "Save logfile" as the
  // canvas has them (after it read the preference file).
  void CheckSettingsMenus();
  void SwitchStyle(GStyle gmode);
  // Sets the canvas tool mode and shows its button pressed.
  void SetToolMode(GToolMode mode);
  // Runs a construction builder on the hilighted selection and shows it.
  void Build(bool (GGesture::*builder)());
  // The Tovik tool `mode`, or in the Quil and touch-panel styles the builder.
  void ToolOrBuild(GToolMode mode, bool (GGesture::*builder)());
  void ChooseTheme(GTheme theme);
  void ChoosePointStyle(int slot);
  void ChooseLineStyle(int slot);
  void ChooseAngleStyle(int style);
  bool m_Closing = false;  // the close question was asked already
  void InstallSlideShow();
  void OnSlideShowKey(wxKeyEvent& event);
  void OnCommandDuringShow(wxCommandEvent& event);
  wxDECLARE_EVENT_TABLE();
};
