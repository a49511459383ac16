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
#include "model/ActionHistory.h"
#include "model/Handle.h"
#include "model/History.h"
#include "model/ImageKeeper.h"
#include "model/Modes.h"
#include "model/Naming.h"
#include "model/Pool.h"
#include "model/Relations.h"
#include "model/Selection.h"
#include "model/Sheet.h"
#include "model/SheetTable.h"
#include "model/User.h"
#include "model/Viewport.h"

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

  // The current sheet: its record holds the working list heads and tails.
  GSheet& Sheet() { return m_Sheets.Current(); }
  GConst* FirstConst() { return Sheet().consts.head; }
  // The current sheet's squared paper, saved with the sheet.
  bool SquaredPaper() { return Sheet().squaredPaper; }
  void SetSquaredPaper(bool on) {
    Sheet().squaredPaper = on;
    m_History.Edited();
  }

  // ---- the document's parts ----
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
  // Every action taken, for Undo and Redo (model/ActionHistory.h).
  GActionHistory& Actions() { return m_Actions; }
  const GActionHistory& Actions() const { return m_Actions; }
  GImageKeeper& Images() { return m_Images; }
  GNaming& Naming() { return m_Naming; }
  const GNaming& Naming() const { return m_Naming; }
  GDefaults& Defaults() { return m_Defaults; }
  // Incidence, tangency and coincidence: tests, records and announcements.
  GRelations& Relations() { return m_Relations; }
  const GRelations& Relations() const { return m_Relations; }
  GElementStore& Store() { return m_Store; }
  const GDefaults& Defaults() const { return m_Defaults; }

  // ---- interaction state the core needs ----
  // The point being dragged, and its motion published by EvaluateConst.
  GPoint* MovingPoint() const { return m_MovingPoint.Get(); }
  void SetMovingPoint(GPoint* p) { m_MovingPoint = p; }
  const GMotion& Motion() const { return m_Motion; }
  void SetMotion(const GMotion& m) { m_Motion = m; }
  // A script is being read: each step is evaluated as it is made (see GReader).
  bool ReadingScript() const { return m_ReadingScript; }
  void SetReadingScript(bool on) { m_ReadingScript = on; }

  // ==== elements, lists and incidence records (DocPools.cpp) ====
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
  void AssignIncident(GLine*, GPoint*, double t);
  void AssignIncident(GCircle*, GPoint*, double t);
  void DeleteIcs(GLine*);
  void DeleteIcs(GCircle*);
  void DeletePtFromIcs(GPoint*);

  // ==== construction steps (DocConst.cpp) ====
  GConst* NewConst(GStepKind type);
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

  // ==== undo, redo and hiding (DocUndo.cpp), the eraser (DocErase.cpp) ====
  // Undo takes the last step off the list onto the redo stack and hides what
  // it made (a zoom step zooms back, an Invisible step shows its element);
  // redo puts it back as it was. Both evaluate and re-seed the names; false
  // when there was nothing to undo or redo.
  bool OnUndo();
  bool OnRedo();
  // Gives up every undone step for good, freeing the elements they made.
  void DiscardRedo();
  // The Invisible command: every hilighted element is hidden by a step of
  // its own. Returns the number hidden.
  int OnModeInvisible();
  // Show again: every chosen element that is put away (model/PutAway.h) is
  // shown by a Visible step of its own, which undo takes back. Returns the
  // number shown.
  int OnModeShowAgain();
  // The Erase command: the hilighted elements go, with every step built on
  // them, in one command. Returns the number of steps deleted.
  int OnModeEraser();

  // ==== intersections with circles (DocMeet.cpp) ====
  int FindAnotherMeet(GCircle*, GLine*, GPoint** out);
  int FindAnotherMeet(GCircle*, GCircle*, GPoint** out);
  GPoint* FindPtFromPts(GPoint* from, GPoint* q);

  // ==== naming (DocNaming.cpp) ====
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
  // Chooses (or unchooses) an element, by pointer or handle (GSelection::Choose).
  template <class T>
  void Sethilighted(T* e) {
    m_Selection.Choose(e);
  }
  template <class T>
  void Deletehilighted(T* e) {
    m_Selection.Unchoose(e);
  }
  template <class T>
  void Sethilighted(const GHandle<T>& h) {
    m_Selection.Choose(h.Get());
  }
  template <class T>
  void Deletehilighted(const GHandle<T>& h) {
    m_Selection.Unchoose(h.Get());
  }
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

  // ==== sheets (DocSheets.cpp) ====
  GDocumentHooks* Hooks() const { return m_Hooks; }  // the canvas; none in headless use
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

  // ==== texts and the log (DocText.cpp) ====
  void WriteConst(GConst*);
  // The day's log takes lines only while logging is on ("Save logfile").
  bool Logging() const { return m_WriteLog && m_User->KeepsLog(); }
  void WriteLogFile(const std::string& text) {
    if (Logging()) m_User->WriteLog(text);
  }

  // The small parts, reached through the functions above.
 private:
  friend class GDocImage;  // reads and writes back every part as bytes
  GUser* m_User;
  GDocumentHooks* m_Hooks = nullptr;
  GHandle<GPoint> m_MovingPoint{&m_History};
  GMotion m_Motion;
  GConst* m_CurrentConst = nullptr;
  bool m_ReadingScript = false;
  bool m_WriteLog = true;
  GSheetTable m_Sheets;
  GViewport m_Viewport;
  GSelection m_Selection;
  GHistory m_History;
  GNaming m_Naming;
  GDefaults m_Defaults;
  GRelations m_Relations{*this};
  GImageKeeper m_Images;
  GActionHistory m_Actions{*this};
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
