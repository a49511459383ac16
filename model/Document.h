// GDocument: the whole document of the program (pools, sheets, the current
// sheet's lists, hilight lists, redo stack, naming state and the view numbers
// the core needs). The canvas owns one; every operation keeps its usual name.
// Members are implemented across model/Doc*.cpp by subsystem.
#pragma once

#include <cassert>
#include <memory>
#include <string>

#include "model/Defaults.h"
#include "model/ElementStore.h"
#include "model/GConst.h"
#include "model/Handle.h"
#include "model/History.h"
#include "model/Modes.h"
#include "model/Naming.h"
#include "model/Pool.h"
#include "model/Selection.h"
#include "model/Sheet.h"
#include "model/SheetTable.h"
#include "model/User.h"
#include "model/Viewport.h"

constexpr double kZoomFactor = 1.2;  // one press of ZoomIn or ZoomOut

// What the window showing a document must do when the document changes its
// sheet or reads appearance statements (themes and styles live in the GUI).
class GDocumentHooks {
 public:
  virtual ~GDocumentHooks() = default;
  // The current sheet changed: a fresh sheet takes the current theme again and
  // records its styles in the sheet; an existing sheet's styles are loaded.
  virtual void SheetSwitched(bool fresh) = 0;
  // A script set point, line or background modes, the name colour or the
  // window size (the numbers are in the current sheet and the document).
  virtual void AppearanceRead() = 0;
};

class GDocument {
 public:
  explicit GDocument(GUser* user);
  ~GDocument();
  GDocument(const GDocument&) = delete;
  GDocument& operator=(const GDocument&) = delete;
  // A document made by new takes a block of its own (model/BigBlock.h).
  static void* operator new(std::size_t bytes);
  static void operator delete(void* block, std::size_t bytes);

  GUser* m_User;

  // The current sheet: its record holds the working list heads and tails.
  GSheet& Sheet() { return m_Sheets.Current(); }
  GConst* FirstConst() { return Sheet().consts.head; }

  // ---- creation defaults taken from the canvas ----

  // ---- the document's parts ----
  // The view (copied into every new step), the chosen elements, and the
  // undone steps with the version of the step lists.
  // Who answers messages and questions (the GUI, a recorder, the command line).
  GUser& User() const { return *m_User; }
  void SetUser(GUser* user) { m_User = user; }
  // The sheet table as seen from outside: how many, which one is shown.
  int SheetCount() const { return m_Sheets.Count(); }
  int CurrentSheetIndex() const { return m_Sheets.CurrentIndex(); }
  const GSheet& SheetAt(int i) const { return m_Sheets.At(i); }
  GSheetTable& Sheets() { return m_Sheets; }
  void SetHooks(GDocumentHooks* hooks) { m_Hooks = hooks; }
  // The last step made (the Text tool and the slide show set and drop it).
  GConst* CurrentConst() const { return m_CurrentConst; }
  void SetCurrentConst(GConst* c) { m_CurrentConst = c; }
  // Whether the day's log is kept (the Settings menu's toggle).
  bool WritesLog() const { return m_WriteLog; }
  void SetWriteLog(bool on) { m_WriteLog = on; }

  GViewport& Viewport() { return m_Viewport; }
  const GViewport& Viewport() const { return m_Viewport; }
  GSelection& Selection() { return m_Selection; }
  const GSelection& Selection() const { return m_Selection; }
  GHistory& History() { return m_History; }
  const GHistory& History() const { return m_History; }
  GNaming& Naming() { return m_Naming; }
  const GNaming& Naming() const { return m_Naming; }
  GDefaults& Defaults() { return m_Defaults; }
  GElementStore& Store() { return m_Store; }
  const GDefaults& Defaults() const { return m_Defaults; }

  // ---- interaction state the core needs ----
  GHandle<GPoint> m_MovingPoint{&m_History};  // the point being dragged
  GMotion m_Motion;                           // of m_MovingPoint, published by EvaluateConst
  GConst* m_CurrentConst = nullptr;           // the last step made
  // Incidence checks move every free point and evaluate the whole list
  // (the slow reference walk) instead of only what the two elements depend on,
  // and look at every element of the sheet, without the copies of positions
  // that choose candidates while a script is read.
  bool m_LiteralIncidenceWalk = false;
  // A script is being read: each step is evaluated as it is made (see GReader).
  bool m_ReadingScript = false;
  // Which step reads which, for the incidence walk (model/StepGraph.h); it
  // checks its record against the history's version of the step lists.
  std::shared_ptr<struct GStepGraph> m_StepGraph;
  // Copies of the positions of the sheet's points and lines for the checks
  // while a script is read (model/IncidenceShadow.h), and the stamp of the
  // last slot handed out (of any kind), by which the copies and the tools'
  // holds know a slot that was given back or handed out again.
  std::shared_ptr<struct GIncidenceShadow> m_Shadow;

  // ==== elements, lists, clones, incidence records (DocPools.cpp) ====
  GPoint* NewPoint(CComplex x, CComplex y, CComplex z);
  GPoint* NewPoint(CComplex x, CComplex y);
  GLine* NewLine(CComplex a, CComplex b, CComplex c);
  GLine* NewLine(double x1, double y1, double x2, double y2);
  GCircle* NewCircle(double cx, double cy, double r2);
  GText* NewText(const std::string& content);
  GParaCurve* NewCurve();
  GAngle* NewAngle(double value);
  GAngle* NewAngle(CComplex value);
  GBracket* NewBracket(GPoint* p, GPoint* q);
  GImage* NewImage();
  // Appends e (when there is one) to its kind's list of the current sheet.
  template <class T>
  void Assign(T* e) {
    if (e) Sheet().ListOf(e).Append(e);
  }
  void AssignPoint(GPoint* e) { Assign(e); }
  void AssignLine(GLine* e) { Assign(e); }
  void AssignCircle(GCircle* e) { Assign(e); }
  void AssignText(GText* e) { Assign(e); }
  void AssignCurve(GParaCurve* e) { Assign(e); }
  void AssignAngle(GAngle* e) { Assign(e); }
  void AssignBracket(GBracket* e) { Assign(e); }
  void AssignImage(GImage* e) { Assign(e); }
  void DeleteAllPoints(GPoint* from);
  void DeleteAllLines(GLine* from);
  void DeleteAllCircles(GCircle* from);
  void DeleteAllTexts(GText* from);
  void DeleteAllCurves(GParaCurve* from);
  void DeleteAllAngles(GAngle* from);
  void DeleteAllBrackets(GBracket* from);
  void DeleteAllImages(GImage* from);
  GPoint* makePClone(GPoint*);
  GLine* makeLClone(GLine*);
  GCircle* makeCClone(GCircle*);
  void copyToPClone(GPoint* dst, GPoint* src);
  void copyToLClone(GLine* dst, GLine* src);
  void copyToCClone(GCircle* dst, GCircle* src);
  void deletePClone(GPoint*);
  void deleteLClone(GLine*);
  void deleteCClone(GCircle*);
  void AssignIncident(GLine*, GPoint*, double t);
  void AssignIncident(GCircle*, GPoint*, double t);
  void DeleteIcs(GLine*);
  void DeleteIcs(GCircle*);
  void DeletePtFromIcs(GPoint*);

  // ==== construction steps (DocConst.cpp) ====
  GConst* NewConst(int type);
  static const char* ConstName(int type) { return ::ConstName(type); }
  void EvaluateConst(GConst* from);
  int DeletePtFromCn(GConst** list, GPoint*);
  int DeleteLnFromCn(GConst** list, GLine*);
  int DeleteCiFromCn(GConst** list, GCircle*);
  void DeleteAllConstFromSheet(GConst* first);
  void ClearConst();
  void PushConst(GConst*);
  GConst* PopConst();

  // ==== single deletions (DocDelete.cpp) ====
  void DeleteConst(GConst*);
  void DeletePoint(GPoint*);
  void DeleteLine(GLine*);
  void DeleteCircle(GCircle*);
  void DeleteCurve(GParaCurve*);
  void DeleteText(GText*);
  void DeleteAngle(GAngle*);
  void DeleteImage(GImage*);
  void DeleteBracket(GBracket*);
  // Deletes the element a step produced, by the step's output kind.
  void DeleteOutputOf(GConst*);

  // ==== undo, redo, hiding and zoom steps (DocUndo.cpp), the eraser (DocErase.cpp) ====
  // Undo takes the last step off the list onto the redo stack and hides what
  // it made (a zoom step zooms back, an Invisible step shows its element);
  // redo puts it back as it was. Both evaluate and re-seed the names; false
  // when there was nothing to undo or redo.
  bool OnUndo();
  bool OnRedo();
  // Gives up every undone step for good, freeing the elements they made.
  void DiscardRedo();
  // One zoom step within the scale limits 0.001..0.1 world units per pixel;
  // true when the view changed. The centre of the view stays in place.
  bool ZoomIn(double factor);
  bool ZoomOut(double factor);
  // Multiplies the world size of a pixel by k, whatever the limits.
  void ScaleView(double k);
  // The zoom commands: zoom by kZoomFactor and record the step, also when
  // the limit kept the view as it was. None when the step pool is full.
  GConst* ZoomStep(bool in);
  // Takes back the zooms the current sheet's steps made, last first; with
  // `forget` the steps then count as not having changed the view.
  void RevertSheetZooms(bool forget);
  // The Invisible command: every hilighted element is hidden by a step of
  // its own. Returns the number hidden.
  int OnModeInvisible();
  // The Erase command: the hilighted elements go, with every step built on
  // them, in one command. Returns the number of steps deleted.
  int OnModeEraser();

  // ==== intersections with circles (DocMeet.cpp) ====
  int FindAnotherMeet(GCircle*, GLine*, GPoint** out);
  int FindAnotherMeet(GCircle*, GCircle*, GPoint** out);
  GPoint* FindPtFromPts(GPoint* from, GPoint* q);

  // ==== incidence, tangency and coincidence (DocIncidence.cpp) ====
  bool incident_LP_local(GLine*, GPoint*);
  bool incident_CP_local(GCircle*, GPoint*);
  bool tangent_CL_local(GCircle*, GLine*);
  bool tangent_CC_local(GCircle*, GCircle*);
  bool point_coincide_local(GPoint*, GPoint*);
  bool line_coincide_local(GLine*, GLine*);
  bool circle_coincide_local(GCircle*, GCircle*);
  bool incident_LP_global(GConst* from, GLine*, GPoint*);
  bool incident_CP_global(GConst* from, GCircle*, GPoint*);
  bool tangent_CL_global(GConst* from, GCircle*, GLine*);
  bool tangent_CC_global(GConst* from, GCircle*, GCircle*);
  bool point_coincide_global(GConst* from, GPoint*, GPoint*);
  bool line_coincide_global(GConst* from, GLine*, GLine*);
  bool circle_coincide_global(GConst* from, GCircle*, GCircle*);
  void CheckIncidency(GLine*, bool announce);
  void CheckIncidency(GCircle*, bool announce);
  void CheckIncidency(GPoint*, bool announce);
  int CheckCoincidency(GPoint*);
  int CheckCoincidency(GLine*);
  int CheckCoincidency(GCircle*);

  // ==== incident-point parameters (DocIcPara.cpp) ====
  void ResetLineIcPara(GLine*);
  // The same when the caller knows `maker`, the first step of the list that
  // makes L (the reader does), sparing the search for it.
  void ResetLineIcPara(GLine* L, GConst* maker);
  void ResetCircleIcPara(GCircle*);
  void ResetIcs(GConst* first, GLine* lines);
  void ResetIcs(GConst* first, GCircle* circles);

  // ==== naming (DocNaming.cpp) ====
  bool next_name_sub(std::string& name);
  bool next_name(std::string& counter);
  // The next name of `kind`, its counter stepped on past it.
  std::string TakeName(GNameKind kind);
  void SetPointName(GPoint*);
  void SetCircleName(GCircle*);
  void SetBracketName(GBracket*);
  void ResetAllName();

  // ==== moving points as the Move tool drags them (DocMove.cpp) ====
  // Whether the Move tool can drag this point (free, or bound to a carrier).
  bool CanMovePoint(GPoint* p);
  // One motion step of a drag: puts p at (or, when bound, nearest to) world
  // position (x, y) and evaluates the sheet. False when p cannot be moved.
  bool MovePoint(GPoint* p, double x, double y);

  // ==== hilights (DocHilight.cpp) ====
  void Sethilighted(GPoint*);
  void Sethilighted(GLine*);
  void Sethilighted(GCircle*);
  void Sethilighted(GParaCurve*);
  void Sethilighted(GAngle*);
  void Sethilighted(GImage*);
  void Sethilighted(GBracket*);
  void Deletehilighted(GPoint*);
  void Deletehilighted(GLine*);
  void Deletehilighted(GCircle*);
  void Deletehilighted(GParaCurve*);
  void Deletehilighted(GAngle*);
  void Deletehilighted(GImage*);
  void Deletehilighted(GBracket*);
  void ClearAllHilights();
  // Unlights the points, lines, circles and curves lit without being chosen
  // (in no hilight list), as passing over them while placing a point does.
  void DropUnchosenHilights();

  // Renames an element. Refuses (with a message, keeping the old name) a name
  // that is empty, holds bytes the construction language uses, or belongs to
  // another element of the sheet.
  bool RenameElement(GObject* e, const std::string& name);
  // The Text tool's edit of a point's name: name, colour and size (5..100, else 14).
  bool EditPointName(GPoint* p, const std::string& name, double size, int red, int green, int blue);
  // A new point, line or circle that only repeats an existing one is removed
  // again (false); otherwise its relations to the others are checked.
  template <class T>
  bool CheckNewElement(T* e, bool announce) {
    if (CheckCoincidency(e)) return false;
    CheckIncidency(e, announce);
    return true;
  }

  // ==== appearance commands, texts and view (DocStyles.cpp) ====
  // The Point, Line and Angle menus: the slot becomes the mode of new
  // elements and the style of the hilighted ones.
  void SetPointStyleOfHilighted(int slot);
  void SetLineStyleOfHilighted(int slot);  // lines, circles and curves
  void SetAngleStyleOfHilighted(int style);
  // A theme's text colour: for new texts, marks and brackets, for every
  // point name, and for the sheet's marks and brackets.
  void SetThemeColours(int r, int g, int b);
  // Texts of every sheet keep their place and size relative to a window
  // whose size changed by rx across and ry down.
  void RescaleTexts(double rx, double ry);
  // Copies scale and bounds into every step of the current sheet and evaluates it.
  void PushViewToConsts();

  // ==== sheets (DocSheets.cpp) ====
  GDocumentHooks* m_Hooks = nullptr;  // the canvas; none in headless use
  void MoveSheet(bool fresh);
  void PrevSheet();
  int NextSheet();
  bool InsertNewSheet();  // false (nothing changes) when all sheet records are used
  bool InsertCopyFigure(bool withTexts);
  void ClearSheet();
  void DeleteSheet();
  // The document starts afresh: every sheet and step goes, and the one sheet
  // left takes the theme in force, as a new sheet does.
  void NewDocument();

  // ==== the construction language (script/; read and written by the
  // functions of script/Script.h) ====
  // Saving (script/DocSave.cpp): the file text written safely to the chosen
  // path, ".fgf" appended by the extension rule; the path written goes to
  // `written`. False, with a message, when it could not be written: the file
  // on disk is then as it was.
  bool SaveDocument(const std::string& chosen, std::string* written = nullptr);
  // Reading (script/Reader*.cpp): the statement helpers on byte strings (true
  // means "end of text" or "error", as documented with each). A file is
  // opened by OpenFigure (script/OpenFigure.h).
  static bool GetALine(std::string& line, const std::string& text, size_t& pos);
  static bool Check_Prefix(std::string& prefix, std::string& text);
  bool Get_ElementName(std::string& name, std::string& text);
  bool Get_FunctionName(std::string& name, std::string& text);
  bool Get_Variables(std::string* fields, const std::string& text, int& count);
  static void RemoveSpace(std::string& s);
  // The script editor (script/DocEditScript.cpp). The current sheet's block as
  // text to edit (bytes that are not UTF-8 show as U+FFFD, so no statement
  // is hidden); rebuilding the current sheet from edited text (false when the
  // reader stopped at an error: the statements before it stay); and the
  // editor's stepping, which first rebuilds the sheet from the text.
  std::string SheetScriptText();
  bool ApplySheetScript(const std::string& text);
  // direction -1 goes back one sheet, +1 forward. Both return true when the
  // text was taken in and the editor must show the (new) current sheet; false
  // when nothing was applied (first or last sheet) or the text has an error.
  bool StepEditedSheet(int direction, const std::string& text);
  // Rebuilds the current sheet from text, then inserts an empty sheet after it.
  bool InsertAfterEditedSheet(const std::string& text);

  // "Save data" (script/DocCsv.cpp): the CSV blocks of the hilighted
  // elements of the current sheet; writing them to `path` (".csv" appended
  // by the extension rule; false, with a message, when it cannot be written).
  std::string CsvText();
  bool SaveCsv(const std::string& path);

  // ==== texts and the log (DocText.cpp) ====
  void WriteConst(GConst*);
  // The day's log takes lines only while logging is on ("Save logfile").
  bool m_WriteLog = true;
  bool Logging() const { return m_WriteLog && m_User->KeepsLog(); }
  void WriteLogFile(const std::string& text) {
    if (Logging()) m_User->WriteLog(text);
  }

  // The small parts, reached through the functions above.
 private:
  GSheetTable m_Sheets;
  GViewport m_Viewport;
  GSelection m_Selection;
  GHistory m_History;
  GNaming m_Naming;
  GDefaults m_Defaults;
  // Last of all, so that the pools most figures use little or not at all lie
  // at the end of the document's block: every other member and the pools of
  // points, lines, circles and steps then share its first 2 MB page
  // (model/BigBlock.h).
  GElementStore m_Store;
};

// Finds the records with the smallest and largest real parameter.
void FindLineends(GIncident* list, GIncident** low, GIncident** high);
// Script bytes as text: UTF-8 decoded, each byte that does not belong to a
// well-formed UTF-8 sequence replaced by U+FFFD.
std::string ScriptBytesToText(const std::string& bytes);
