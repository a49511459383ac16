// "Save data": the hilighted points, lines, circles, texts and curves of the
// current sheet as CSV blocks for a spreadsheet, in the order of the
// construction list, written through a temporary file.
#include <cstdio>
#include <string>

#include "model/CNumeric.h"
#include "model/Document.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"
#include "script/EvalText.h"
#include "script/SafeFile.h"
#include "script/Script.h"

namespace {

void Append(std::string& out, const char* format, double a, double b) {
  char buf[128];
  std::snprintf(buf, sizeof buf, format, a, b);
  out += buf;
}

void Append(std::string& out, const char* format, double a, double b, double c) {
  char buf[192];
  std::snprintf(buf, sizeof buf, format, a, b, c);
  out += buf;
}

// A block's first line: the prefix, the element's name and the rest.
void Header(std::string& out, const char* prefix, const std::string& name, const char* rest) {
  out += prefix;
  out += name;
  out += rest;
}

// The text as it is shown, quoted for a spreadsheet: a double quote inside
// is doubled (a bare one would end the field early), and the field is
// right-aligned in 1000 characters.
std::string QuotedField(GConst* first, const GText& t) {
  std::string shown;
  if (EvaluateText(first, t.text, shown, false) != 0) shown = t.text;
  RemoveYenCommaOnText(shown);
  std::string field;
  for (char ch : shown) {
    if (ch == '"') field += '"';
    field += ch;
  }
  if (field.size() < 1000) field.insert(0, 1000 - field.size(), ' ');
  return " ,\"" + field + "\"\n";
}

}  // namespace

std::string CsvText(GDocument& doc) {
  const GCNumericScope dots;
  std::string out;
  GConst* first = doc.FirstConst();
  for (GConst* c = first; c; c = c->next) {
    switch (c->Output_Type()) {
      case OUTPUT_POINT:
        if (GPoint* p = c->POutput; p && p->hilighted) {
          Header(out, " ,point ", p->name, " \n ,x,y\n");
          // Affine coordinates: a constructed point need not have z = 1.
          Append(out, " ,%f,%f\n", p->xz().re, p->yz().re);
        }
        break;
      case OUTPUT_LINE:
        if (GLine* l = c->LOutput; l && l->hilighted) {
          Header(out, " ,line ", l->name, ",ax+by+c=0 \n ,a,b,c\n");
          Append(out, " ,%f,%f,%f\n", l->a.re, l->b.re, l->c.re);
        }
        break;
      case OUTPUT_CIRCLE:
        if (GCircle* ci = c->COutput; ci && ci->hilighted) {
          Header(out, " ,circle ", ci->name, ",(x-a)^2+(y-b)^2=r^2 \n ,a,b,r^2\n");
          Append(out, " ,%f,%f,%f\n", ci->cx.re, ci->cy.re, ci->r2.re);
        }
        break;
      case OUTPUT_TEXT:
        if (GText* t = c->TextOutput; t && t->hilighted) {
          Header(out, " ,text ", t->name, "\n");
          out += QuotedField(first, *t);
        }
        break;
      case OUTPUT_CURVE:
        if (GParaCurve* cv = c->CurveOutput; cv && cv->hilighted) {
          Header(out, " ,curve ", cv->name, " \n ,x,y\n");
          for (int i = 0; i < cv->count && i < kCurveSamples; ++i) {
            char buf[128];
            std::snprintf(buf, sizeof buf, "%d,%f,%f\n", i, cv->X[i], cv->Y[i]);
            out += buf;
          }
        }
        break;
      default:
        break;
    }
  }
  return out;
}

bool SaveCsv(GDocument& doc, const std::string& chosen) {
  const std::string path = WithExtension(chosen, "csv");
  std::string why;
  if (!ReplaceFile(path, CsvText(doc), why)) {
    doc.User().ShowMessage(
        StrFormat(Tr("The file %s could not be saved (%s)."), path.c_str(), why.c_str()),
        Tr("Save data"), GUser::kError);
    return false;
  }
  return true;
}
