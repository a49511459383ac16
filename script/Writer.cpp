// The script writer: one statement per construction step (head, positional
// fields, display attributes, ");" and a line break) and the block of a sheet
// with its five appearance statements.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "model/CNumeric.h"
#include "model/Document.h"
#include "model/StepKinds.h"
#include "script/Script.h"
#include "script/ScriptText.h"

namespace {

// printf into the end of `out`, however long the result (a long text or a long
// formula must be written whole, never cut at some buffer size).
void Appendf(std::string& out, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void Appendf(std::string& out, const char* fmt, ...) {
  char small[256];
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(small, sizeof small, fmt, args);
  va_end(args);
  if (n < 0) {
    va_end(again);
    return;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    out.append(small, n);
  } else {
    const size_t at = out.size();
    out.resize(at + n + 1);
    std::vsnprintf(&out[at], n + 1, fmt, again);
    out.resize(at + n);
  }
  va_end(again);
}

// Element names as the bytes the file holds; a missing input writes "".
std::string Name(const GObject* e) { return e ? e->name : std::string(); }

// A value that prints as "-0.000" (a coordinate a hair below zero) is written
// as "0.000": it reads back the same and the file does not flicker in sign.
double Fix3(double v) {
  char s[64];
  std::snprintf(s, sizeof s, "%.3f", v);
  return std::strcmp(s, "-0.000") == 0 ? 0.0 : v;
}

// Coordinates and step parameters go to the file in single precision, so a
// figure saved twice gives the same digits however the doubles drifted.
double Single(double v) { return Fix3(static_cast<double>(static_cast<float>(v))); }

// A caption is one field: its ";" would end the statement when read back.
std::string EscapeCaption(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == ';') out += '\\';
    out += c;
  }
  return out;
}

// The element a step made, by its output kind; none for a step without one.
const GObject* OutputOf(const GConst* c) { return c ? c->Output() : nullptr; }

// The type word that opens the statement of a step making this kind of element.
const char* TypeWord(int output) {
  switch (output) {
    case OUTPUT_POINT:
      return "point";
    case OUTPUT_LINE:
      return "line";
    case OUTPUT_CIRCLE:
      return "circle";
    case OUTPUT_TEXT:
      return "text";
    case OUTPUT_CURVE:
      return "curve";
    case OUTPUT_ANGLE:
      return "angle";
    case OUTPUT_IMAGE:
      return "image";
    case OUTPUT_BRACKET:
      return "bracket";
    default:
      return "void";
  }
}

// The input a field of a statement names (see StepKind::fields).
const GObject* Input(const GConst& c, std::string_view field) {
  if (field == "P1") return c.PInput1;
  if (field == "P2") return c.PInput2;
  if (field == "P3") return c.PInput3;
  if (field == "L1") return c.LInput1;
  if (field == "L2") return c.LInput2;
  if (field == "C1") return c.CInput1;
  if (field == "C2") return c.CInput2;
  if (field == "K1") return c.CurveInput1;
  if (field == "A1") return c.AngleInput1;
  return nullptr;
}

// The positional fields the kind lists, separated by commas.
void Fields(const GConst& c, std::string_view list, std::string& out) {
  for (bool first = true; !list.empty(); first = false) {
    const size_t comma = list.find(',');
    const std::string_view field = list.substr(0, comma);
    list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    if (!first) out += ',';
    if (field == "t")
      Appendf(out, "%.3f", Single(c.param1.re));
    else if (field == "u")
      Appendf(out, "%.3f", Single(c.param2.re));
    else
      out += Name(Input(c, field));
  }
}

void EffectOptions(const GConst& c, std::string& out) {
  static const char* const kDirections[] = {"fade", "right", "left", "top", "bottom"};
  out += c.click == 1 ? ",withClick" : ",immediately";
  if (c.direction >= 0 && c.direction <= 4) Appendf(out, ",%s", kDirections[c.direction]);
  out += c.inout == 0 ? ",in" : ",out";
  out += c.effect == 1 ? ",withEffect" : ",noEffect";
}

// A colour index 1..4 of points, lines, circles and curves; 0 is the default.
void ColorAttribute(int index, std::string& out) {
  if (index >= 1 && index <= 4) Appendf(out, ",color%d", index + 1);
}

// An element is written as it was before the first later step that hides or
// shows it: visible when an Invisible step follows (reading replays that
// step, and until then the element takes part in the incidence checks of the
// statements between, as it did when it was built), hidden when a Visible
// step follows. With no such step it is written as it is.
bool WrittenHidden(const GConst& c, bool hiddenNow) {
  const GObject* out = c.Output();
  for (const GConst* k = c.next; k && out; k = k->next) {
    if (k->HiddenElement() != out) continue;
    if (k->type == CONST_INVISIBLE) return false;
    if (k->type == CONST_VISIBLE) return true;
  }
  return hiddenNow;
}

void PointAttributes(const GPoint* p, bool invisible, std::string& out) {
  if (!p) return;
  if (invisible) out += ",invisible";
  ColorAttribute(p->pointStyle, out);
  // Every size the reader accepts is written, 14 included, so a label keeps
  // its size through saving and opening.
  if (p->nameFontSize >= 7 && p->nameFontSize <= 100) Appendf(out, ",fontsize%d", p->nameFontSize);
  if (p->nameAngle != 0.0) Appendf(out, ",nametheta%f", p->nameAngle);
}

void Attributes(const GConst& c, std::string& out) {
  switch (c.Output_Type()) {
    case OUTPUT_POINT:
      PointAttributes(c.POutput, c.POutput && WrittenHidden(c, c.POutput->hidden), out);
      break;
    case OUTPUT_LINE:
      if (GLine* l = c.LOutput) {
        if (l->toolMark) out += ",clipping";
        if (WrittenHidden(c, l->hidden)) out += ",invisible";
        ColorAttribute(l->lineStyle, out);
      }
      break;
    case OUTPUT_CIRCLE:
      if (GCircle* ci = c.COutput) {
        if (ci->toolMark) out += ",clipping";
        if (WrittenHidden(c, ci->hidden)) out += ",invisible";
        ColorAttribute(ci->lineStyle, out);
      }
      break;
    case OUTPUT_TEXT:
      if (GText* t = c.TextOutput) {
        if (WrittenHidden(c, t->hidden)) out += ",invisible";
        if (t->centered) out += ",center";
      }
      break;
    case OUTPUT_CURVE:
      if (GParaCurve* cu = c.CurveOutput) {
        if (WrittenHidden(c, cu->hidden)) out += ",invisible";
        ColorAttribute(cu->lineStyle, out);
      }
      break;
    case OUTPUT_ANGLE:
      // A new mark takes its design, size and colour from the settings of the
      // moment it is read, so all five are always written.
      if (GAngle* a = c.AngleOutput) {
        if (WrittenHidden(c, a->userHidden)) out += ",invisible";
        Appendf(out, ",design:%d,size:%d,R:%d,G:%d,B:%d", a->style, a->radius, a->red, a->green,
                a->blue);
      }
      break;
    case OUTPUT_IMAGE:
      if (c.ImageOutput && WrittenHidden(c, c.ImageOutput->hidden)) out += ",invisible";
      break;
    case OUTPUT_BRACKET:
      if (GBracket* b = c.BracketOutput) {
        Appendf(out, ",height:%.3f", Fix3(b->bulge));
        if (b->intField < 0)
          out += ",caption:" + EscapeCaption(b->label);
        else
          Appendf(out, ",design:%d", b->intField);
        if (WrittenHidden(c, b->hidden)) out += ",invisible";
      }
      break;
    default:
      break;
  }
}

// The statement head: type word, name, keyword and positional fields.
// Returns false for kinds that have no statement.
bool Head(const GConst& c, std::string& out) {
  const StepKind* kind = StepKindOf(c.type);
  if (!kind || !kind->word) return false;  // clipping: kept by the lines' "clipping" word
  // Zoom, Invisible and Visible steps name no element of their own:
  // "void ZoomIn();", "void Invisible(A);", "void Visible(A);".
  if (c.type == CONST_ZOOMIN || c.type == CONST_ZOOMOUT) {
    Appendf(out, "void %s(", kind->word);
    return true;
  }
  if (c.type == CONST_INVISIBLE || c.type == CONST_VISIBLE) {
    if (!c.HiddenElement()) return false;  // its element is gone: nothing to hide or show
    Appendf(out, "void %s(%s", kind->word, Name(c.HiddenElement()).c_str());
    return true;
  }
  if (kind->output == OUTPUT_EFFECT) {
    Appendf(out, "void %s(%s", kind->word, Name(OutputOf(c.effectTarget)).c_str());
    EffectOptions(c, out);
    return true;
  }
  Appendf(out, "%s %s=%s(", TypeWord(kind->output), Name(OutputOf(&c)).c_str(), kind->word);
  if (kind->fields) Fields(c, kind->fields, out);
  switch (c.type) {
    case CONST_FREE: {
      double x = 0, y = 0;
      if (c.POutput) {
        x = c.POutput->xz().re;
        y = c.POutput->yz().re;
      }
      Appendf(out, "%.3f,%.3f", Single(x), Single(y));
      return true;
    }
    case CONST_MEET_CL:
    case CONST_MEET_CC:
      // Both branch parameters in full (real and imaginary parts), then the
      // other intersection the point must differ from, when there is one.
      Appendf(out, ",%.3f,%.3f,%.3f,%.3f", Single(c.param1.re), Single(c.param1.im),
              Single(c.param2.re), Single(c.param2.im));
      if (c.PInput1) Appendf(out, ",not%s", Name(c.PInput1).c_str());
      return true;
    case CONST_GRAPH:
    case CONST_PARA_CURVE: {
      const GParaCurve* cu = c.CurveOutput;
      if (!cu) return false;
      Appendf(out, "%s", cu->expr1.c_str());
      if (c.type == CONST_PARA_CURVE) Appendf(out, ",%s", cu->expr2.c_str());
      Appendf(out, ",%.3f,%.3f", Fix3(cu->xmin), Fix3(cu->xmax));
      return true;
    }
    case CONST_TEXT: {
      const GText* tx = c.TextOutput;
      if (!tx) return false;
      Appendf(out, "%s,%.3f,%.3f,%.3f,%d,%d,%d", ConvertText4Script(tx->text).c_str(), Fix3(tx->x),
              Fix3(tx->y), Fix3(tx->fontSize), tx->red, tx->green, tx->blue);
      return true;
    }
    case CONST_IMAGE: {
      const GImage* im = c.ImageOutput;
      if (!im) return false;
      Appendf(out, "%s,%d,%d,%d,%d", im->fileName.c_str(), im->x, im->y, im->width, im->height);
      return true;
    }
    case CONST_BRACKET: {
      const GBracket* b = c.BracketOutput;
      if (!b) return false;
      Appendf(out, ",%.3f,%d,%d,%d", Single(b->bulge), b->red, b->green, b->blue);
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

void GConst::ConstSrc(std::string& out) const {
  std::string statement;
  if (!Head(*this, statement)) return;
  Attributes(*this, statement);
  statement += ");\n";
  out += statement;
}

// The appearance is the one stored in that sheet, so saving a document keeps
// every sheet's own styles and not only those of the sheet on screen; the
// name colour and the window size are the document's.
std::string WriteSheetScript(GDocument& doc, int sheet) {
  const GCNumericScope dots;
  std::string out;
  if (sheet < 0 || sheet >= doc.Sheets().Count()) return out;
  const GSheet& s = doc.Sheets().Slot(sheet);
  if (!s.consts.head) return out;
  const int* pt = s.pointStyles;
  const int* ln = s.lineStyles;
  Appendf(out,
          "void SetPtMode(%d,%d,%d,%d,%d);\nvoid SetLnMode(%d,%d,%d,%d,%d);\nvoid SetBgMode(%d);\n"
          "void SetPointTextColor(%d,%d,%d);\nvoid WindowSize(%d,%d);\n",
          pt[0], pt[1], pt[2], pt[3], pt[4], ln[0], ln[1], ln[2], ln[3], ln[4], s.background,
          doc.Defaults().NameColour().r, doc.Defaults().NameColour().g,
          doc.Defaults().NameColour().b, doc.Viewport().WindowWidth(),
          doc.Viewport().WindowHeight());
  // Only a sheet with squared paper says so: files without the statement
  // read as before, as plain sheets.
  if (s.squaredPaper) out += "void SquaredPaper(1);\n";
  for (GConst* c = s.consts.head; c; c = c->next) c->ConstSrc(out);
  return out;
}
