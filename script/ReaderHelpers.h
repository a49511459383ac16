// Reading the construction language: byte-string helpers, the pieces of one
// statement, and the state of one reading pass that the statement handlers
// (script/Reader*.cpp) share.
#pragma once

#include <string>

#include "model/Document.h"
#include "model/NameTable.h"
#include "model/Translate.h"

// A statement holds at most this many fields; more is a syntax error.
constexpr int kScriptFields = 20;

// Byte-string helpers; all copy bytes verbatim and never read outside `s`.
std::string mLeft(const std::string& s, long n);         // first n bytes ("" when out of range)
std::string mMid(const std::string& s, long i, long n);  // n bytes from i (fewer at the end)
std::string mMid(const std::string& s, long i);          // from i to the end
std::string mAppend(const std::string& s, const std::string& t);
bool mStrcmp(const std::string& s, const std::string& t);           // equal
bool mStrncmp(const std::string& s, const std::string& t, long n);  // first n bytes equal

// A name as written in a script (ASCII by rule, but any bytes are accepted:
// UTF-8 when valid, otherwise byte for byte, so distinct bytes stay distinct).
std::string ScriptName(const std::string& bytes);

// The statement helpers (true means "end of text" or "error"): the next
// statement of `text` from `pos` up to its ";"; the type word cut off the
// front (true when it is not one of the language's); the name before "=" cut
// off (true when an earlier step bears it); the keyword before "(" (true when
// it is not one); the fields of the list (true when there were more than
// kScriptFields); blanks and line ends removed.
bool GetALine(std::string& line, const std::string& text, size_t& pos);
bool Check_Prefix(std::string& prefix, std::string& text);
bool Get_ElementName(GDocument& doc, std::string& name, std::string& text);
bool Get_FunctionName(std::string& name, std::string& text);
bool Get_Variables(std::string* fields, const std::string& text, int& count);
void RemoveSpace(std::string& s);

// Cuts "name=" off the front of a statement's text into `name` (blanks
// removed); false, with `name` empty, when the text has no "=".
bool SplitElementName(std::string& name, std::string& text);

// Integers and reals of fields: like atoi/atof, but an integer out of range is
// clamped rather than undefined, and a real is turned into an int safely.
int FieldInt(const std::string& field);
double FieldReal(const std::string& field);
int FloorToInt(double v);

// The names of the current sheet's elements and the first step (in list
// order) whose output bears each, for the reader: a script names every
// element it refers to, and a search of the whole list per name made reading
// quadratic. Before each statement the index takes in the steps appended
// since (steps are only appended while a sheet is read; a step removed right
// after it was made, as a copy of an older element, is never taken in), so a
// statement finds every element of the statements before it.
class GStepNames {
 public:
  // Takes in the steps added to the current sheet since the last call; starts
  // afresh when the sheet's list is another one.
  void TakeIn(GDocument& doc);
  // The first step with an output of that name, or none.
  GConst* Find(const std::string& name) const;
  void Reset();

 private:
  // Keys point at the elements' own names, which do not change once a
  // statement has made them.
  GNameTable<GConst*> m_First;
  GConst* m_Head = nullptr;  // the sheet's first step when the index began
  GConst* m_Last = nullptr;  // the last step taken in
};

// One pass of ReadScript: the statement being read and what later
// statements of the same pass depend on.
struct GReader {
  GDocument& doc;
  bool withTexts = true;
  int line = 1;  // statement counter: the "line" of every message
  std::string type, name, keyword;
  std::string var[kScriptFields];
  int count = 0;
  bool tooMany = false;
  // Texts were placed for a window of another size ("WindowSize"): their
  // position and size are scaled by these ratios as they are read.
  double textRx = 1.0, textRy = 1.0;
  bool viewZoomed = false;

  // While a script is read, every statement's step is evaluated as it is
  // made and no point moves, so the sheet always stands evaluated: the
  // incidence checks need not evaluate the whole list again for each step.
  // The checks' copies of positions hold only within one reading: before and
  // after it, points may have been dragged.
  explicit GReader(GDocument& d) : doc(d), wasReading(d.ReadingScript()) {
    d.SetReadingScript(true);
    if (!wasReading) d.Relations().DropShadow();
  }
  ~GReader() {
    doc.SetReadingScript(wasReading);
    if (!wasReading) doc.Relations().DropShadow();
  }
  GReader(const GReader&) = delete;
  GReader& operator=(const GReader&) = delete;
  bool wasReading;

  // Shows "line N : ..." (format with one %d) and returns false.
  bool Fail(const char* format, const char* caption = N_("Syntax error"));
  // The element of the wanted kind whose step of the current sheet bears the
  // name in field i (blanks and line breaks in the field ignored); none when
  // the field is missing or no such element exists.
  GPoint* Point(int i);
  GLine* Line(int i);
  GCircle* Circle(int i);
  GParaCurve* Curve(int i);
  GAngle* Angle(int i);
  GConst* StepNamed(int i);  // the first step with any output of that name
  // Whether an element of the current sheet already bears this script name.
  bool NameTaken(const std::string& name);
  GStepNames names;
  double Real(int i) const { return i < count ? FieldReal(var[i]) : 0.0; }
  int Int(int i) const { return i < count ? FieldInt(var[i]) : 0; }
  // The field with blanks, CR and LF removed (attribute words, names).
  std::string Word(int i) const;

  // A new step of `type`, or none (with a message) when the pool is full.
  GConst* Step(GStepKind type);
  // Records p on the line (circle) unless it is there already, and recomputes
  // the parameters of all its records from the present coordinates.
  void Register(GLine* l, GPoint* p, double t);
  void Register(GCircle* c, GPoint* p);
  // The checks after a new point, line or circle: when it coincides with an
  // older element it is removed; otherwise its incidences are recorded.
  void CheckPoint(GPoint* p);
  void CheckLine(GLine* l);
  void CheckCircle(GCircle* c);
  // Attribute words from field `from` on.
  void PointAttributes(GPoint* p, int from);
  void LineAttributes(GLine* l, int from);
  void CircleAttributes(GCircle* c, int from);
  void CurveAttributes(GParaCurve* c, int from);
};

// Statement handlers: true when reading goes on, false after an error (the
// message has been shown). The keyword is in r.keyword, the fields in r.var.
bool ReadPointStatement(GReader& r, bool* known);
bool ReadLineStatement(GReader& r, bool* known);
bool ReadOtherStatement(GReader& r, bool* known);
bool ReadViewStatement(GReader& r, bool* known);  // zoom and Invisible steps
// The error message of a keyword's statement ("line %d : ... syntax error").
const char* SyntaxMessage(const std::string& keyword);
