// Statements that make texts, curves (graphs, parametric curves, loci),
// angle marks, images and brackets.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

#include "model/Formula.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"
#include "script/ReaderHelpers.h"
#include "script/ScriptText.h"

namespace {

// The field without leading blanks and line breaks (a statement may be split
// over several lines), the rest kept byte for byte.
std::string Trimmed(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\r' || s[i] == '\n')) ++i;
  return s.substr(i);
}

// A colour field holds a number; an attribute word standing in its place
// leaves the colour as it is.
bool LooksNumeric(const std::string& s) {
  const std::string t = Trimmed(s);
  return !t.empty() &&
         (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-' || t[0] == '+');
}

// A caption's ";" is written as backslash + ";" (nothing else is escaped).
std::string UnescapeCaption(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == ';') continue;
    out += s[i];
  }
  return out;
}

// Allocates the step of `type` after its element was made; releases the
// element when the step pool is full.
template <class T>
GConst* StepFor(GReader& r, GStepKind type, T* e) {
  GConst* c = r.Step(type);
  if (!c) e->inUse = 0;
  return c;
}

bool ReadText(GReader& r) {
  if (r.count < 4) return r.Fail("line %d :Text syntax error");
  GText* t = r.doc.NewText(ConvertTextFromScript(r.var[0]));
  if (!t) return r.Fail("line %d : too many texts");
  GConst* c = StepFor(r, CONST_TEXT, t);
  if (!c) return false;
  t->name = ScriptName(r.name);
  t->hidden = 0;
  t->centered = 0;
  t->x = r.Real(1) * r.textRx;
  t->y = r.Real(2) * r.textRy;
  t->fontSize = r.Real(3) * r.textRy;
  int* rgb[3] = {&t->red, &t->green, &t->blue};
  for (int i = 0; i < 3; ++i)
    if (4 + i < r.count && LooksNumeric(r.var[4 + i])) *rgb[i] = r.Int(4 + i);
  r.doc.AssignText(t);
  c->TextOutput = t;
  r.doc.WriteConst(c);
  for (int i = 4; i < r.count; ++i) {
    const std::string w = r.Word(i);
    if (w == "invisible") t->hidden = 1;
    if (w == "center") t->centered = 1;
  }
  return true;
}

// A curve named by the statement, visible and in colour slot 0, with its
// step. The formulas are kept as written; sampling happens at evaluation.
GConst* MakeCurve(GReader& r, GStepKind type) {
  GParaCurve* cv = r.doc.NewCurve();
  if (!cv) {
    r.Fail("line %d : too many curves");
    return nullptr;
  }
  GConst* c = StepFor(r, type, cv);
  if (!c) return nullptr;
  cv->name = ScriptName(r.name);
  cv->hidden = 0;
  cv->lineStyle = 0;
  r.doc.AssignCurve(cv);
  c->CurveOutput = cv;
  return c;
}

void FinishCurve(GReader& r, GConst* c, int attributesFrom) {
  c->Evaluate();
  r.doc.WriteConst(c);
  r.CurveAttributes(c->CurveOutput, attributesFrom);
}

// A formula the curve could not be drawn from stops the reading with the
// parser's code and what is wrong where in the formula. The tree built for
// the test goes straight back to the pool.
bool FormulaRejected(GReader& r, const std::string& text) {
  GCalculation* tree = nullptr;
  GFormulaError error;
  const int code = ParseCurveFormula(r.doc.FirstConst(), text, tree, &error);
  DeleteGCalc(tree);
  if (code == CALC_OK) return false;
  r.doc.User().ShowMessage(StrFormat(Tr("line %d : Graph syntax error %d"), r.line, code) + "\n" +
                               FormulaErrorText(error, text),
                           Tr("syntax error"));
  return true;
}

// y = f(x) over [a, b].
bool ReadGraph(GReader& r) {
  if (r.count < 3) return r.Fail("line %d : Graph syntax error");
  if (FormulaRejected(r, Trimmed(r.var[0]))) return false;
  GConst* c = MakeCurve(r, CONST_GRAPH);
  if (!c) return false;
  c->CurveOutput->expr1 = Trimmed(r.var[0]);
  c->CurveOutput->xmin = r.Real(1);
  c->CurveOutput->xmax = r.Real(2);
  FinishCurve(r, c, 3);
  return true;
}

// Two component formulas in x, kept as the curve's first and second
// expression, over [a, b].
bool ReadParaCurve(GReader& r) {
  if (r.count < 4) return r.Fail("line %d : Graph syntax error");
  if (FormulaRejected(r, Trimmed(r.var[0])) || FormulaRejected(r, Trimmed(r.var[1]))) return false;
  GConst* c = MakeCurve(r, CONST_PARA_CURVE);
  if (!c) return false;
  c->CurveOutput->expr1 = Trimmed(r.var[0]);
  c->CurveOutput->expr2 = Trimmed(r.var[1]);
  c->CurveOutput->xmin = r.Real(2);
  c->CurveOutput->xmax = r.Real(3);
  FinishCurve(r, c, 4);
  return true;
}

// The locus of the second point while the first runs along its carrier.
bool ReadOrbit(GReader& r, bool onCircle) {
  GPoint* driver = r.Point(0);
  GPoint* traced = r.Point(1);
  if (r.count < 2 || !driver || !traced)
    return r.Fail(onCircle ? "line %d :OrbitOnCircle syntax error"
                           : "line %d :OrbitOnLine syntax error");
  GConst* c = MakeCurve(r, onCircle ? CONST_ORBIT1 : CONST_ORBIT2);
  if (!c) return false;
  c->PInput1 = driver;
  c->PInput2 = traced;
  FinishCurve(r, c, 2);
  return true;
}

bool ReadAngleBy3P(GReader& r) {
  GPoint* a = r.Point(0);
  GPoint* v = r.Point(1);
  GPoint* b = r.Point(2);
  if (r.count < 3 || !a || !v || !b) return r.Fail("line %d : Angle By 3P syntax error");
  GAngle* m = r.doc.NewAngle(0.0);
  if (!m) return r.Fail("line %d : too many angles");
  GConst* c = StepFor(r, CONST_3P_ANGLE, m);
  if (!c) return false;
  m->name = ScriptName(r.name);
  r.doc.AssignAngle(m);
  c->PInput1 = a;
  c->PInput2 = v;
  c->PInput3 = b;
  c->AngleOutput = m;
  // Evaluated first: a defined angle shows its mark, and "invisible" below
  // must have the last word.
  c->Evaluate();
  r.doc.WriteConst(c);
  for (int i = 3; i < r.count; ++i) {
    const std::string w = r.Word(i);
    if (w == "invisible")
      m->hidden = m->userHidden = 1;
    else if (w.compare(0, 7, "design:") == 0)
      m->style = FieldInt(w.substr(7));
    else if (w.compare(0, 5, "size:") == 0)
      m->radius = FieldInt(w.substr(5));
    else if (w.compare(0, 2, "R:") == 0)
      m->red = FieldInt(w.substr(2));
    else if (w.compare(0, 2, "G:") == 0)
      m->green = FieldInt(w.substr(2));
    else if (w.compare(0, 2, "B:") == 0)
      m->blue = FieldInt(w.substr(2));
  }
  return true;
}

// True only for a regular file that can be opened for reading. The kind is
// looked up before anything opens the path, and checked again on the open
// descriptor (without blocking), so a device, a pipe or a directory is never
// read, not even when it replaces the file in between.
bool RegularReadableFile(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  close(fd);
  return regular;
}

// The picture itself is loaded by the window later from the recorded path.
// A missing file is asked for once; cancelling drops this image only.
bool ReadImage(GReader& r) {
  if (r.count < 5) return r.Fail("line %d :Image syntax error");
  const std::string path = Trimmed(r.var[0]);
  std::string chosen;
  if (RegularReadableFile(path)) {
    r.doc.WriteLogFile("const_src2cns : var[0]=" + path + "\n");
    chosen = path;
  } else {
    const std::string picked =
        r.doc.User().ChooseFile(StrFormat("Choose %s", ScriptName(path).c_str()), ScriptName(path),
                                "image files|*.bmp;*.jpg;*.png;*.gif", false);
    if (picked.empty()) return true;
    const std::string& full = picked;
    r.doc.WriteLogFile("const_src2cns : fullpath=" + full + "\n");
    if (!RegularReadableFile(full)) {
      r.doc.WriteLogFile("const_src2cns : failed to load imagefile.\n");
      return true;
    }
    chosen = full;
  }
  GImage* img = r.doc.NewImage();
  GConst* c = r.Step(CONST_IMAGE);
  if (!c) {
    img->inUse = 0;  // made for nothing: freed with the history
    return false;
  }
  img->fileName = ScriptName(chosen);
  img->x = FloorToInt(r.Real(1));
  img->y = FloorToInt(r.Real(2));
  img->width = FloorToInt(r.Real(3));
  img->height = FloorToInt(r.Real(4));
  // Images are named automatically, whatever name the statement gives.
  img->name = r.doc.TakeName(GNameKind::kImage);
  r.doc.AssignImage(img);
  c->ImageOutput = img;
  r.doc.WriteConst(c);
  for (int i = 5; i < r.count; ++i)
    if (r.Word(i) == "invisible") img->hidden = 1;
  return true;
}

bool ReadBracket(GReader& r) {
  const char* msg = "line %d : Bracket : syntax error";
  GPoint* p = r.Point(0);
  GPoint* q = r.Point(1);
  if (r.count < 6 || !p || !q) return r.Fail(msg);
  GBracket* b = r.doc.NewBracket(p, q);
  if (!b) return r.Fail("line %d : too many brackets");
  GConst* c = StepFor(r, CONST_BRACKET, b);
  if (!c) return false;
  b->name = ScriptName(r.name);
  b->hidden = 0;
  b->bulge = r.Real(2);
  b->red = r.Int(3);
  b->green = r.Int(4);
  b->blue = r.Int(5);
  r.doc.AssignBracket(b);
  c->PInput1 = p;
  c->PInput2 = q;
  c->BracketOutput = b;
  c->Evaluate();
  r.doc.WriteConst(c);
  for (int i = 6; i < r.count; ++i) {
    const std::string raw = Trimmed(r.var[i]);
    const std::string w = r.Word(i);
    if (raw.compare(0, 8, "caption:") == 0) {
      b->label = UnescapeCaption(raw.substr(8));
      b->intField = -1;
    } else if (w.compare(0, 7, "height:") == 0) {
      b->bulge = FieldReal(w.substr(7));
    } else if (w.compare(0, 7, "design:") == 0) {
      b->intField = FieldInt(w.substr(7));
    } else if (w == "invisible") {
      b->hidden = 1;
    }
  }
  return true;
}

}  // namespace

bool ReadOtherStatement(GReader& r, bool* known) {
  const std::string& k = r.keyword;
  *known = true;
  if (k == "Text") return ReadText(r);
  if (k == "Graph") return ReadGraph(r);
  if (k == "ParaCurve") return ReadParaCurve(r);
  if (k == "OrbitOnCircle") return ReadOrbit(r, true);
  if (k == "OrbitOnLine") return ReadOrbit(r, false);
  if (k == "AngleBy3P") return ReadAngleBy3P(r);
  if (k == "Image") return ReadImage(r);
  if (k == "Bracket") return ReadBracket(r);
  *known = false;
  return true;
}
