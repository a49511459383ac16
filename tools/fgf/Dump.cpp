// The JSON picture of a document: each sheet record is read directly, so
// dumping switches no sheet and changes nothing in the document.
#include "tools/fgf/Dump.h"

#include <algorithm>

#include "model/EvalText.h"
#include "tools/fgf/Json.h"

namespace {

void Key(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\": ";
}

void Name(std::string& out, const GObject& e) {
  Key(out, "name");
  JsonString(out, e.name);
}

void Hidden(std::string& out, const GObject& e) {
  out += ", ";
  Key(out, "hidden");
  out += e.hidden ? "true" : "false";
}

void Field(std::string& out, const char* key, const CComplex& z) {
  out += ", ";
  Key(out, key);
  JsonComplex(out, z);
}

void Incident(std::string& out, const GIncident* ic) {
  out += ", ";
  Key(out, "incident");
  out += '[';
  for (bool first = true; ic; ic = ic->next, first = false) {
    if (!first) out += ", ";
    if (ic->point)
      JsonString(out, ic->point->name);
    else
      out += "null";
  }
  out += ']';
}

// One array of records, one record a line; `each` writes a record's fields.
template <class T, class F>
void Array(std::string& out, const char* key, T* head, F each) {
  out += ",\n   ";
  Key(out, key);
  if (!head) {
    out += "[]";
    return;
  }
  out += '[';
  for (T* e = head; e; e = e->next) {
    out += "\n    {";
    each(*e);
    out += '}';
    if (e->next) out += ',';
  }
  out += "\n   ]";
}

const GObject* OutputOf(const GConst& k) {
  switch (k.Output_Type()) {
    case OUTPUT_POINT:
      return k.POutput;
    case OUTPUT_LINE:
      return k.LOutput;
    case OUTPUT_CIRCLE:
      return k.COutput;
    case OUTPUT_TEXT:
      return k.TextOutput;
    case OUTPUT_CURVE:
      return k.CurveOutput;
    case OUTPUT_ANGLE:
      return k.AngleOutput;
    case OUTPUT_IMAGE:
      return k.ImageOutput;
    case OUTPUT_BRACKET:
      return k.BracketOutput;
    default:
      return nullptr;
  }
}

void Sheet(std::string& out, int index, const GSheet& s) {
  out += "  {";
  Key(out, "index");
  out += std::to_string(index);
  Array(out, "steps", s.consts.head, [&](GConst& k) {
    Key(out, "type");
    const char* name = ConstName(k.type);
    if (name && *name)
      JsonString(out, name);
    else
      out += std::to_string(StepKindNumber(k.type));
    out += ", ";
    Key(out, "output");
    const GObject* o = OutputOf(k);
    if (o)
      JsonString(out, o->name);
    else
      out += "null";
  });
  Array(out, "points", s.points.head, [&](GPoint& p) {
    Name(out, p);
    Field(out, "x", p.x);
    Field(out, "y", p.y);
    Field(out, "z", p.z);
    Hidden(out, p);
  });
  Array(out, "lines", s.lines.head, [&](GLine& l) {
    Name(out, l);
    Field(out, "a", l.a);
    Field(out, "b", l.b);
    Field(out, "c", l.c);
    Incident(out, l.ics.head);
    Hidden(out, l);
  });
  Array(out, "circles", s.circles.head, [&](GCircle& c) {
    Name(out, c);
    Field(out, "cx", c.cx);
    Field(out, "cy", c.cy);
    Field(out, "r2", c.r2);
    Incident(out, c.ics.head);
    Hidden(out, c);
  });
  Array(out, "curves", s.curves.head, [&](GParaCurve& c) {
    Name(out, c);
    out += ", ";
    Key(out, "samples");
    out += std::to_string(c.count);
    // The polyline itself, and which samples were real (a locus through
    // complex positions keeps the sample where its point left the plane).
    const int n = std::min(std::max(c.count, 0), kCurveSamples);
    auto list = [&](const char* key, auto value) {
      out += ", ";
      Key(out, key);
      out += '[';
      for (int i = 0; i < n; ++i) {
        if (i) out += ", ";
        value(i);
      }
      out += ']';
    };
    list("x", [&](int i) { JsonNumber(out, c.X[i]); });
    list("y", [&](int i) { JsonNumber(out, c.Y[i]); });
    list("real", [&](int i) { out += c.flag[i] ? "true" : "false"; });
  });
  Array(out, "texts", s.texts.head, [&](GText& t) {
    Name(out, t);
    // As drawn: references replaced by values, escaped commas plain again.
    std::string shown;
    EvaluateText(s.consts.head, t.text, shown, false);
    RemoveYenCommaOnText(shown);
    out += ", ";
    Key(out, "text");
    JsonString(out, shown);
  });
  Array(out, "angles", s.angles.head, [&](GAngle& a) {
    Name(out, a);
    Field(out, "value", a.value);
  });
  Array(out, "brackets", s.brackets.head, [&](GBracket& b) { Name(out, b); });
  out += '}';
}

}  // namespace

std::string DumpDocument(GDocument& doc, bool ok, const std::string& error,
                         const std::vector<FgfMessage>& messages) {
  std::string out = "{";
  Key(out, "ok");
  out += ok ? "true" : "false";
  out += ",\n ";
  Key(out, "error");
  if (ok && error.empty())
    out += "null";
  else
    JsonString(out, error);
  out += ",\n ";
  Key(out, "messages");
  out += '[';
  for (size_t i = 0; i < messages.size(); ++i) {
    out += i ? ",\n  {" : "\n  {";
    Key(out, "caption");
    JsonString(out, messages[i].caption);
    out += ", ";
    Key(out, "text");
    JsonString(out, messages[i].text);
    out += '}';
  }
  out += messages.empty() ? "]" : "\n ]";
  out += ",\n ";
  Key(out, "sheets");
  out += "[\n";
  const int count = doc.SheetCount() < kSheetPoolSize ? doc.SheetCount() : kSheetPoolSize;
  for (int i = 0; i < count; ++i) {
    Sheet(out, i, doc.SheetAt(i));
    out += i + 1 < count ? ",\n" : "\n";
  }
  out += " ]}\n";
  return out;
}
