// The script writer: one statement per construction step (head, positional
// fields, display attributes, ");" and a line break) and the block of a sheet
// with its five appearance statements.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/Document.h"
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
std::string Name(const GObject* e) { return e ? e->name.utf8_string() : std::string(); }

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

// The element an effect acts on: the output of its target step.
const GObject* TargetOutput(const GConst* target) {
  if (!target) return nullptr;
  switch (target->Output_Type()) {
    case OUTPUT_POINT:
      return target->POutput;
    case OUTPUT_LINE:
      return target->LOutput;
    case OUTPUT_CIRCLE:
      return target->COutput;
    case OUTPUT_TEXT:
      return target->TextOutput;
    case OUTPUT_CURVE:
      return target->CurveOutput;
    case OUTPUT_ANGLE:
      return target->AngleOutput;
    case OUTPUT_IMAGE:
      return target->ImageOutput;
    case OUTPUT_BRACKET:
      return target->BracketOutput;
    default:
      return nullptr;
  }
}

const char* EffectKeyword(int type) {
  switch (type) {
    case CONST_EFFECT_POINT:
      return "EffectPoint";
    case CONST_EFFECT_LINE:
      return "EffectLine";
    case CONST_EFFECT_CIRCLE:
      return "EffectCircle";
    case CONST_EFFECT_CURVE:
      return "EffectCurve";
    case CONST_EFFECT_TEXT:
      return "EffectText";
    case CONST_EFFECT_ANGLE:
      return "EffectAngle";
    case CONST_EFFECT_BRACKET:
      return "EffectBracket";
    case CONST_EFFECT_IMAGE:
      return "EffectImage";
    default:
      return nullptr;
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

void PointAttributes(const GPoint* p, std::string& out) {
  if (!p) return;
  if (p->hidden) out += ",invisible";
  ColorAttribute(p->pointStyle, out);
  // Every size the reader accepts is written, 14 included, so a label keeps
  // its size through saving and opening.
  if (p->nameFontSize >= 7 && p->nameFontSize <= 100) Appendf(out, ",fontsize%d", p->nameFontSize);
  if (p->nameAngle != 0.0) Appendf(out, ",nametheta%f", p->nameAngle);
}

void Attributes(const GConst& c, std::string& out) {
  switch (c.Output_Type()) {
    case OUTPUT_POINT:
      PointAttributes(c.POutput, out);
      break;
    case OUTPUT_LINE:
      if (GLine* l = c.LOutput) {
        if (l->toolMark) out += ",clipping";
        if (l->hidden) out += ",invisible";
        ColorAttribute(l->lineStyle, out);
      }
      break;
    case OUTPUT_CIRCLE:
      if (GCircle* ci = c.COutput) {
        if (ci->toolMark) out += ",clipping";
        if (ci->hidden) out += ",invisible";
        ColorAttribute(ci->lineStyle, out);
      }
      break;
    case OUTPUT_TEXT:
      if (GText* t = c.TextOutput) {
        if (t->hidden) out += ",invisible";
        if (t->centered) out += ",center";
      }
      break;
    case OUTPUT_CURVE:
      if (GParaCurve* cu = c.CurveOutput) {
        if (cu->hidden) out += ",invisible";
        ColorAttribute(cu->lineStyle, out);
      }
      break;
    case OUTPUT_ANGLE:
      // A new mark takes its design, size and colour from the settings of the
      // moment it is read, so all five are always written.
      if (GAngle* a = c.AngleOutput) {
        if (a->userHidden) out += ",invisible";
        Appendf(out, ",design:%d,size:%d,R:%d,G:%d,B:%d", a->style, a->radius, a->red, a->green,
                a->blue);
      }
      break;
    case OUTPUT_IMAGE:
      if (c.ImageOutput && c.ImageOutput->hidden) out += ",invisible";
      break;
    case OUTPUT_BRACKET:
      if (GBracket* b = c.BracketOutput) {
        Appendf(out, ",height:%.3f", Fix3(b->bulge));
        if (b->intField < 0)
          out += ",caption:" + EscapeCaption(b->label);
        else
          Appendf(out, ",design:%d", b->intField);
        if (b->hidden) out += ",invisible";
      }
      break;
    default:
      break;
  }
}

// The statement head: type word, name, keyword and positional fields.
// Returns false for kinds that have no statement.
bool Head(const GConst& c, std::string& out) {
  const std::string p1 = Name(c.PInput1), p2 = Name(c.PInput2), p3 = Name(c.PInput3);
  const std::string l1 = Name(c.LInput1), l2 = Name(c.LInput2);
  const std::string c1 = Name(c.CInput1), c2 = Name(c.CInput2);
  const std::string cu1 = Name(c.CurveInput1), ang1 = Name(c.AngleInput1);
  const std::string po = Name(c.POutput), lo = Name(c.LOutput), co = Name(c.COutput);
  const double t = Single(c.param1.re), u = Single(c.param2.re);
  switch (c.type) {
    case CONST_FREE: {
      double x = 0, y = 0;
      if (c.POutput) {
        x = c.POutput->xz().re;
        y = c.POutput->yz().re;
      }
      Appendf(out, "point %s=Pt(%.3f,%.3f", po.c_str(), Single(x), Single(y));
      return true;
    }
    case CONST_ON_LINE:
      Appendf(out, "point %s=PtOnLine(%s,%s,%.3f,%.3f", po.c_str(), p1.c_str(), p2.c_str(), t, u);
      return true;
    case CONST_JOIN:
      Appendf(out, "line %s=Join(%s,%s", lo.c_str(), p1.c_str(), p2.c_str());
      return true;
    case CONST_MEET:
      Appendf(out, "point %s=Meet(%s,%s", po.c_str(), l1.c_str(), l2.c_str());
      return true;
    case CONST_PARALLEL:
      Appendf(out, "line %s=Parallel(%s,%s", lo.c_str(), l1.c_str(), p1.c_str());
      return true;
    case CONST_PERP:
      Appendf(out, "line %s=Perp(%s,%s", lo.c_str(), l1.c_str(), p1.c_str());
      return true;
    case CONST_MID:
      Appendf(out, "point %s=Mid(%s,%s", po.c_str(), p1.c_str(), p2.c_str());
      return true;
    case CONST_PT_ON_PARA:
      Appendf(out, "point %s=PtOnParallel(%s,%s,%.3f", po.c_str(), l1.c_str(), p1.c_str(), t);
      return true;
    case CONST_PT_ON_PER:
      Appendf(out, "point %s=PtOnPerp(%s,%s,%.3f", po.c_str(), l1.c_str(), p1.c_str(), t);
      return true;
    case CONST_MULTI_CIRCLE:
      Appendf(out, "circle %s=Circle(%s,%s", co.c_str(), p1.c_str(), p2.c_str());
      return true;
    case CONST_PT_ON_CIRCLE:
      Appendf(out, "point %s=PtOnCircle(%s,%.3f", po.c_str(), c1.c_str(), t);
      return true;
    case CONST_MEET_CL:
    case CONST_MEET_CC:
      // Both branch parameters in full (real and imaginary parts), then the
      // other intersection the point must differ from, when there is one.
      if (c.type == CONST_MEET_CL)
        Appendf(out, "point %s=MeetCircleAndLine(%s,%s,%.3f,%.3f", po.c_str(), c1.c_str(),
                l1.c_str(), t, Single(c.param1.im));
      else
        Appendf(out, "point %s=Meet2Circles(%s,%s,%.3f,%.3f", po.c_str(), c1.c_str(), c2.c_str(), t,
                Single(c.param1.im));
      Appendf(out, ",%.3f,%.3f", u, Single(c.param2.im));
      if (c.PInput1) Appendf(out, ",not%s", p1.c_str());
      return true;
    case CONST_BISECTOR:
      Appendf(out, "line %s=Bisector(%s,%s,%.3f", lo.c_str(), l1.c_str(), l2.c_str(), t);
      return true;
    case CONST_3P_BISECTOR:
      Appendf(out, "line %s=3PBisector(%s,%s,%s", lo.c_str(), p1.c_str(), p2.c_str(), p3.c_str());
      return true;
    case CONST_GRAPH:
      if (!c.CurveOutput) return false;
      Appendf(out, "curve %s=Graph(%s,%.3f,%.3f", Name(c.CurveOutput).c_str(),
              c.CurveOutput->expr1.c_str(), Fix3(c.CurveOutput->xmin), Fix3(c.CurveOutput->xmax));
      return true;
    case CONST_PT_ON_CURVE:
      Appendf(out, "point %s=PtOnCurve(%s,%.3f", po.c_str(), cu1.c_str(), t);
      return true;
    case CONST_CURVE_TANGENT:
      Appendf(out, "line %s=CurveTangent(%s,%s", lo.c_str(), cu1.c_str(), p1.c_str());
      return true;
    case CONST_TANGENT:
      Appendf(out, "line %s=Tangent(%s,%s", lo.c_str(), c1.c_str(), p1.c_str());
      return true;
    case CONST_TEXT: {
      const GText* tx = c.TextOutput;
      if (!tx) return false;
      Appendf(out, "text %s=Text(%s,%.3f,%.3f,%.3f,%d,%d,%d", Name(tx).c_str(),
              ConvertText4Script(tx->text).c_str(), Fix3(tx->x), Fix3(tx->y), Fix3(tx->fontSize),
              tx->red, tx->green, tx->blue);
      return true;
    }
    case CONST_COMPASS:
      Appendf(out, "circle %s=Compass(%s,%s,%s", co.c_str(), p1.c_str(), p2.c_str(), p3.c_str());
      return true;
    case CONST_ORBIT1:
    case CONST_ORBIT2:
      Appendf(out, "curve %s=%s(%s,%s", Name(c.CurveOutput).c_str(),
              c.type == CONST_ORBIT1 ? "OrbitOnCircle" : "OrbitOnLine", p1.c_str(), p2.c_str());
      return true;
    case CONST_ORTHOCENTER:
      Appendf(out, "point %s=Orthocenter(%s,%s,%s", po.c_str(), p1.c_str(), p2.c_str(), p3.c_str());
      return true;
    case CONST_PT_ON_3P_BISECTOR:
      Appendf(out, "point %s=PtOn3PBisector(%s,%s,%s,%.3f", po.c_str(), p1.c_str(), p2.c_str(),
              p3.c_str(), t);
      return true;
    case CONST_PT_ON_BISECTOR:
      Appendf(out, "point %s=PtOnBisector(%s,%s,%.3f,%.3f", po.c_str(), l1.c_str(), l2.c_str(), t,
              u);
      return true;
    case CONST_PT_ON_TANGENT:
      Appendf(out, "point %s=PtOnTangent(%s,%s,%.3f", po.c_str(), c1.c_str(), p1.c_str(), t);
      return true;
    case CONST_PT_ON_CURVE_TANGENT:
      Appendf(out, "point %s=PtOnCurveTangent(%s,%s,%.3f", po.c_str(), cu1.c_str(), p1.c_str(), t);
      return true;
    case CONST_PARA_CURVE:
      if (!c.CurveOutput) return false;
      Appendf(out, "curve %s=ParaCurve(%s,%s,%.3f,%.3f", Name(c.CurveOutput).c_str(),
              c.CurveOutput->expr1.c_str(), c.CurveOutput->expr2.c_str(), Fix3(c.CurveOutput->xmin),
              Fix3(c.CurveOutput->xmax));
      return true;
    case CONST_3P_ANGLE:
      Appendf(out, "angle %s=AngleBy3P(%s,%s,%s", Name(c.AngleOutput).c_str(), p1.c_str(),
              p2.c_str(), p3.c_str());
      return true;
    case CONST_LINE_WITH_ANGLE:
      Appendf(out, "line %s=LineWithAngle(%s,%s,%s", lo.c_str(), l1.c_str(), p1.c_str(),
              ang1.c_str());
      return true;
    case CONST_LINE_WITH_ANGLE_DEGREE:
      Appendf(out, "line %s=LineWithAngleDegree(%s,%s,%.3f", lo.c_str(), l1.c_str(), p1.c_str(), t);
      return true;
    case CONST_PT_ON_LINE_WITH_ANGLE:
      Appendf(out, "point %s=PtOnLineWithAngle(%s,%s,%s,%.3f", po.c_str(), l1.c_str(), p1.c_str(),
              ang1.c_str(), t);
      return true;
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:
      Appendf(out, "point %s=PtOnLineWithAngleDegree(%s,%s,%.3f,%.3f", po.c_str(), l1.c_str(),
              p1.c_str(), t, u);
      return true;
    case CONST_IMAGE: {
      const GImage* im = c.ImageOutput;
      if (!im) return false;
      Appendf(out, "image %s=Image(%s,%d,%d,%d,%d", Name(im).c_str(),
              im->fileName.utf8_string().c_str(), im->x, im->y, im->width, im->height);
      return true;
    }
    case CONST_BRACKET: {
      const GBracket* b = c.BracketOutput;
      if (!b) return false;
      Appendf(out, "bracket %s=Bracket(%s,%s,%.3f,%d,%d,%d", Name(b).c_str(), p1.c_str(),
              p2.c_str(), Single(b->bulge), b->red, b->green, b->blue);
      return true;
    }
    default:
      if (const char* keyword = EffectKeyword(c.type)) {
        Appendf(out, "void %s(%s", keyword, Name(TargetOutput(c.effectTarget)).c_str());
        EffectOptions(c, out);
        return true;
      }
      return false;  // clipping, zooming, hiding: replayed by other means
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

// The block of the sheet whose list starts at `first`. The appearance is the
// one stored in that sheet, so saving a document keeps every sheet's own
// styles and not only those of the sheet on screen. Always false: writing
// cannot fail.
bool GDocument::SetConstSrc(GConst* first) {
  if (!first) return false;
  const GSheet* sheet = &Sheet();
  for (int i = 0; i < m_SheetCount; ++i) {
    if (m_Sheets[i].consts.head == first) {
      sheet = &m_Sheets[i];
      break;
    }
  }
  const int* pt = sheet->pointStyles;
  const int* ln = sheet->lineStyles;
  Appendf(scriptText,
          "void SetPtMode(%d,%d,%d,%d,%d);\nvoid SetLnMode(%d,%d,%d,%d,%d);\nvoid SetBgMode(%d);\n"
          "void SetPointTextColor(%d,%d,%d);\nvoid WindowSize(%d,%d);\n",
          pt[0], pt[1], pt[2], pt[3], pt[4], ln[0], ln[1], ln[2], ln[3], ln[4], sheet->background,
          m_NameRed, m_NameGreen, m_NameBlue, m_WindowWidth, m_WindowHeight);
  for (GConst* c = first; c; c = c->next) c->ConstSrc(scriptText);
  return false;
}
