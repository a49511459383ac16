// MyCanvas: the one drawing window. It owns the document, the tool object that
// the mouse drives and the painter that holds the view and the appearance; it
// repaints whenever asked and, every 100 ms, when the figure changed or
// animates.
#pragma once

#include <functional>
#include <memory>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "interaction/ToolState.h"
#include "model/Document.h"
#include "render/CanvasPainter.h"
#include "slides/SlideShow.h"

constexpr int kRepaintTimerId = 600;

struct GTextEdit;     // the values of the text dialog (interaction/ToolAsk.h)
struct GAngleChoice;  // the values of the angle dialog
struct GGraphInput;   // the values of the graph dialog

// Scales an image's shown picture to the image's width and height when they
// differ (after a resize, or an undo or redo that gave the old size back).
void FitShownPicture(GImage* im);

class MyCanvas : public wxWindow, public GDocumentHooks, public GSlideWindow, public GLooksKeeper {
 public:
  // Creates the canvas below the mode toolbar of frame; user answers every
  // message (a recorder in tests). The canvas owns its document.
  MyCanvas(wxFrame* frame, GUser* user);
  ~MyCanvas() override;

  // Never replaced: the tool object and the painter refer to it.
  const std::unique_ptr<GDocument> m_Doc;
  wxFrame* m_Frame;
  ToolState m_Tool;
  GGesture& Gesture() { return m_Tool.Gesture(); }
  CanvasPainter m_Painter;
  bool m_RefreshPending = false;
  uint64_t m_ShownPrint = 0;  // FramePrint of the last frame painted
  long m_FramesPainted = 0;   // repaints of the window so far
  wxTimer m_Timer;
  // Called on every tick of the repaint timer, before the repaint; the frame
  // keeps the recovery copy from it.
  std::function<void()> m_OnTick;

  // ---- view ----
  GView View() const { return m_Painter.View(); }
  double WorldX(int px) const { return m_Painter.WorldX(px); }
  double WorldY(int py) const { return m_Painter.WorldY(py); }
  void OnModeZoomIn(double factor);
  void OnModeZoomOut(double factor);

  // ---- history: undo, redo, eraser, Invisible, zoom steps (interaction/CanvasUndo.cpp) ----
  // Each waits while a mouse button is held (the tool is half-way through a
  // step), then acts on the document and shows the result.
  void OnUndo();
  void OnRedo();
  // Whether an action may be recorded or taken back now: no mouse button is
  // held (a step or a drag is half-way) and no slide show runs.
  bool HistoryQuiet() const;
  // The theme chosen, its colours, the axes and the Segment toggle, as the
  // history keeps them beside the document.
  std::string Looks() const override;
  void RestoreLooks(const std::string& looks) override;
  void OnModeEraser();
  void OnModeInvisible();
  void ZoomStep(bool in);  // a zoom command: zooms and records its step

  // ---- paint cycle ----
  void OnPaint(wxPaintEvent& event);
  void OnEraseBG(wxEraseEvent& event);
  // The repaint tick: repaints only when what would be drawn changed since
  // the last frame, or something animates (a hilighted point, a slide show).
  void OnTimer(wxTimerEvent& event);
  bool TickWouldPaint();
  // Notes what the frame just painted shows, for the tick to compare.
  void NoteShown();
  // Every request to repaint, except the tick's and those while something
  // moves, may follow a change the frames cannot see (a theme, a dialog):
  // the still picture is dropped. Undo and redo keep it: what they change is
  // elements, the view and the theme's look, which the frames compare.
  void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;
  bool m_KeepStill = false;  // the next Refresh keeps the still picture
  void OnMouseEvent(wxMouseEvent& event);
  void LeaveWindow(wxMouseEvent& event);
  // The figure with what the tools lay over it; a slide-show step first.
  void OnDraw(wxDC& dc);
  // Paints the figure into the screen picture, as a repaint does before its
  // copy into the window.
  void RenderToScreenPicture();
  wxBitmap& ScreenPicture() { return m_Painter.ScreenPicture(); }
  void OnSize();
  void OnBenchMark();
  // ---- exports (interaction/CanvasExport.cpp) ----
  // "Save image": the chooser, then SaveImage. SaveImage picks BMP, PNG or
  // SVG by the name's last three letters (".bmp" is appended to any other
  // name) and reports a file it cannot write; false then.
  void OnSaveBmp(const std::string& stem = "untitled");
  bool SaveImage(const wxString& path);
  // "Save data": the question, the chooser and the document's CSV export,
  // then a repaint.
  void OnSaveCsv(const std::string& stem = "untitled");

  // ---- remembered settings (interaction/CanvasPrefs.cpp) ----
  // The preference file, in the user's configuration folder.
  std::string m_PrefPath;
  // The language the preference file names ("" the system's).
  std::string m_Language;
  // Takes style, theme, point, line and angle modes and the logging switch
  // from the preference file; a missing file leaves them as they are.
  void ReadPrefFile();
  // Writes them back; false when the file could not be written.
  bool WritePrefFile();
  // Appends a line to the day's log while logging is on.
  void WriteLogFile(const std::string& text) { m_Doc->WriteLogFile(text); }

  // ---- element properties ----
  // "Property": the first hilighted bracket gets its dialog, then the first
  // hilighted angle mark gets its own; repaints when either was changed.
  void OnProperty();
  // The dialogs, installed by the frame: each edits its element and returns
  // true on Ok. No hook means nothing is asked.
  std::function<bool(GBracket&)> m_EditBracket;
  std::function<bool(GAngle&)> m_EditAngle;

  // ---- what the document asks of its window (interaction/CanvasDocument.cpp) ----
  // A sheet became current: a fresh one takes the theme, an existing one
  // brings its recorded styles; the canvas is repainted.
  void SheetSwitched(bool fresh) override;
  // A script set modes, the name colour or the window size: the drawing
  // state follows.
  void AppearanceRead() override;

  // ---- mouse: dispatch, Point tool, dragging, selection ----
  // Button handlers by interaction style and tool mode; pixel positions.
  void LButtonDown(wxPoint& pos);
  void LButtonUp(wxPoint& pos);
  void LButtonDrag(wxPoint& pos);
  void RButtonDown(wxPoint& pos);
  void RButtonUp(wxPoint& pos);
  void RButtonDrag(wxPoint& pos);
  // The Point tool: press, each drag step (snapping onto points, lines,
  // circles, curves), release (the document decides what the point becomes).
  void LDown_SPoint(wxPoint& pos);
  void LDrag_Point(wxPoint& pos);
  void LUp_SPoint(wxPoint& pos);
  // The Move tool: picks a point, text, image (body or corner), bracket or,
  // with Shift, a point's name; each drag step moves it; the release ends it.
  void LDown_Move(wxPoint& pos);
  void LDrag_Move(wxPoint& pos);
  void LUp_Move(wxPoint& pos);
  void LUp_Select(wxPoint& pos);
  // Touch panel: the on-canvas button under pos (0..2, -1 for none); a tap.
  int PanelButtonAt(const wxPoint& pos) const;
  void PanelTap(wxPoint& pos);
  void PanelAction(wxPoint& pos);
  // Pixel hit tests that need fonts: a text's box, a point's name label.
  bool Snap2Text(GText* list, int px, int py);
  bool Snap2PtName(GPoint* list, int px, int py);
  int Snap2Image(GImage* list, int px, int py);
  // Afterimages of a point drag: three generations of copies of the point,
  // line and circle lists; made at the press, freed at the release.
  void OnCloneOn();
  void OnCloneOff();

  // ---- construction tools (interaction/Tool*.cpp) ----
  // Tovik-style gestures at canvas pixel positions: the two-point tools start
  // their element on the press (the drag is the Point tool's LDrag_Point) and
  // finish it on the release; the collecting tools act on each release.
  void LDown_MLine(wxPoint& pos);
  void LDown_Para(wxPoint& pos);
  void LDown_Perp(wxPoint& pos);
  void LDown_Mid(wxPoint& pos);
  void LDown_MCircle(wxPoint& pos);
  void LDown_Bracket(wxPoint& pos);
  void LDown_LineWithAngle(wxPoint& pos);
  void LDown_Bisector(wxPoint& pos);
  void LUp_MLine(wxPoint& pos);
  void LUp_Para(wxPoint& pos);
  void LUp_Perp(wxPoint& pos);
  void LUp_Mid(wxPoint& pos);
  void LUp_MCircle(wxPoint& pos);
  void LUp_Bracket(wxPoint& pos);
  void LUp_LineWithAngle(wxPoint& pos);
  void LUp_Bisector(wxPoint& pos);
  void LUp_Tangent(wxPoint& pos);
  void LUp_Angle(wxPoint& pos);
  void LUp_CircleBy3(wxPoint& pos);
  void LUp_Orbit(wxPoint& pos);
  void LUp_Compass(wxPoint& pos);
  void LUp_Text(wxPoint& pos);
  void LUp_Image(wxPoint& pos);
  // The frame's enabled and pressed buttons follow the selection; the frame
  // installs this (a canvas in a bare frame has no toolbar to refresh).
  std::function<void()> m_OnSelectionChanged;
  void RefreshToolbar() {
    if (m_OnSelectionChanged) m_OnSelectionChanged();
  }
  // Who answers the text, angle and graph dialogs: the frame installs the modal
  // dialogs, tests answer here. False (and no hook) means Cancel. The graph
  // dialog hands each OK to `accept` and ends only when it takes the input.
  std::function<bool(GTextEdit&)> m_AskText;
  std::function<bool(GAngleChoice&)> m_AskAngle;
  std::function<bool(GGraphInput&, const std::function<bool(const GGraphInput&)>& accept)>
      m_AskGraph;

  // ---- the slide show (interaction/CanvasSlides.cpp) ----
  GSlideShow m_Slides{*m_Doc, this};
  // The start command: starts the show on the current sheet or stops it.
  void OnSlideShowStart();
  // A click (or a key meant as one) during the show.
  void SlideClick();
  // Told whenever the show starts or ends; the frame goes full screen.
  std::function<void(bool running)> m_OnSlideShowChanged;
  GSlideBox Window() override;
  bool Extent(const GConst* effect, GSlideBox* box) override;

  // The status bar's second field: what the last action made, then what the
  // tool expects next (interaction/ToolHints.h).
  std::string Guidance();

 private:
  int m_SeenSteps = 0;
  unsigned m_SeenSerial = 0;
  std::string m_LastMade, m_LastHint;
  GOverlay PrepareDrawing();
  void HistoryChanged();
  std::string DragLabel();
  void DragTrail();
  wxDECLARE_EVENT_TABLE();
};
