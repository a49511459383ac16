// Reading a script into the document: the statement loop of ReadScript with
// its sheet separators, the appearance (header) statements and the slide-show
// effect statements.
#include <cstring>

#include "model/CNumeric.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"
#include "script/ReaderHelpers.h"
#include "script/Script.h"

const char* SyntaxMessage(const std::string& k) {
  struct Entry {
    const char* keyword;
    const char* message;
  };
  static const Entry kMessages[] = {
      {"Pt", "line %d : Pt : syntax error"},
      {"Join", "line %d : Join : syntax error"},
      {"Meet2Circles", "line %d : Meet_CC syntax error"},
      {"Graph", "line %d : Graph syntax error"},
      {"ParaCurve", "line %d : Graph syntax error"},
      {"PtOnCurve", "line %d : PtOnGraph syntax error"},
      {"CurveTangent", "line %d : TangentGraph syntax error"},
      {"Tangent", "line %d : Tangent syntax error"},
      {"Text", "line %d :Text syntax error"},
      {"Compass", "line %d :Compass syntax error"},
      {"OrbitOnCircle", "line %d :OrbitOnCircle syntax error"},
      {"OrbitOnLine", "line %d :OrbitOnLine syntax error"},
      {"AngleBy3P", "line %d : Angle By 3P syntax error"},
      {"LineWithAngle", "line %d : LineWithAngle syntax error"},
      {"LineWithAngleDegree", "line %d : LineWithAngle syntax error"},
      {"PtOnLineWithAngle", "line %d : PtOnLineWithAngle : syntax error"},
      {"PtOnLineWithAngleDegree", "line %d : PtOnLineWithAngleDegree : syntax error"},
      {"Image", "line %d :Image syntax error"},
      {"EffectText", "line %d : EffectText : syntax error"},
      {"EffectAngle", "line %d : EffectAngle : syntax error"},
      {"EffectBracket", "line %d : EffectBracket : syntax error"},
      {"EffectImage", "line %d : EffectImage : syntax error"},
      {"SetPtMode", "line %d : SetPtMode : syntax error"},
      {"SetLnMode", "line %d : SetLnMode : syntax error"},
      {"SetBgMode", "line %d : SetBgMode : syntax error"},
      {"SetPointTextColor", "line %d : SetPointTextColor : syntax error"},
      {"WindowSize", "line %d : WindowSize : syntax error"},
      {"Bracket", "line %d : Bracket : syntax error"},
      {"Invisible", "line %d : Invisible : syntax error"},
      {"Visible", "line %d : Visible : syntax error"},
      {"SquaredPaper", "line %d : SquaredPaper : syntax error"},
      // Statements that fail silently.
      {"Orthocenter", nullptr},
      {"Angle", nullptr},
      {"AngleByDegree", nullptr},
      {"Clipping", nullptr},
  };
  for (const Entry& e : kMessages)
    if (k == e.keyword) return e.message;
  return "line %d : syntax error";
}

namespace {

// Effect statements: the element they act on, then option words.
struct EffectKind {
  const char* keyword;
  GStepKind type;
};
const EffectKind kEffects[] = {
    {"EffectPoint", CONST_EFFECT_POINT},   {"EffectLine", CONST_EFFECT_LINE},
    {"EffectCircle", CONST_EFFECT_CIRCLE}, {"EffectCurve", CONST_EFFECT_CURVE},
    {"EffectText", CONST_EFFECT_TEXT},     {"EffectAngle", CONST_EFFECT_ANGLE},
    {"EffectImage", CONST_EFFECT_IMAGE},   {"EffectBracket", CONST_EFFECT_BRACKET},
};

// The step whose output of the effect's kind bears the name.
GConst* EffectTarget(GReader& r, GStepKind type) {
  const std::string name = ScriptName(r.Word(0));
  for (GConst* c = r.doc.FirstConst(); c; c = c->next) {
    const GObject* out = nullptr;
    switch (type) {
      case CONST_EFFECT_POINT:
        out = c->POutput;
        break;
      case CONST_EFFECT_LINE:
        out = c->LOutput;
        break;
      case CONST_EFFECT_CIRCLE:
        out = c->COutput;
        break;
      case CONST_EFFECT_CURVE:
        out = c->CurveOutput;
        break;
      case CONST_EFFECT_TEXT:
        out = c->TextOutput;
        break;
      case CONST_EFFECT_ANGLE:
        out = c->AngleOutput;
        break;
      case CONST_EFFECT_IMAGE:
        out = c->ImageOutput;
        break;
      case CONST_EFFECT_BRACKET:
        out = c->BracketOutput;
        break;
      default:  // not an effect: it names nothing
        break;
    }
    if (out && out->name == name) return c;
  }
  return nullptr;
}

bool ReadEffect(GReader& r, GStepKind type) {
  GConst* target = r.count >= 1 ? EffectTarget(r, type) : nullptr;
  if (!target) return r.Fail(SyntaxMessage(r.keyword));
  GConst* c = r.Step(type);
  if (!c) return false;
  c->effectTarget = target;
  c->click = 1;
  c->direction = 0;
  c->inout = 0;
  c->effect = 0;
  static const char* const kDirections[] = {"fade", "right", "left", "top", "bottom"};
  for (int i = 1; i < r.count; ++i) {
    const std::string w = r.Word(i);
    if (w == "withClick") c->click = 1;
    if (w == "immediately") c->click = 0;
    for (int d = 0; d < 5; ++d)
      if (w == kDirections[d]) c->direction = d;
    if (w == "in") c->inout = 0;
    if (w == "out") c->inout = 1;
    if (w == "noEffect") c->effect = 0;
    if (w == "withEffect") c->effect = 1;
  }
  r.doc.WriteConst(c);
  return true;
}

// Texts of a file were placed for the window it was written in: those that
// follow are scaled to the present window, x by the widths, y and size by the
// heights less 50 pixels. The view is zoomed by the same ratio once per
// reading, so a file of several sheets is not zoomed again and again.
void ReadWindowSize(GReader& r) {
  GDocument& d = r.doc;
  const int w = r.Int(0), h = r.Int(1);
  r.textRx = r.textRy = 1.0;
  // A size of (almost) nothing gives no ratio to scale by.
  const GViewport& v = d.Viewport();
  if (w <= 0 || h <= 50 || v.WindowWidth() <= 0 || v.WindowHeight() <= 50) return;
  r.textRx = static_cast<double>(v.WindowWidth()) / w;
  r.textRy = static_cast<double>(v.WindowHeight() - 50) / (h - 50);
  if (r.viewZoomed || r.textRy == 1.0) return;
  r.viewZoomed = true;
  d.Viewport().FitToWindowRatio(r.textRy);
}

// Point and line modes, background, squared paper, name colour and window size.
bool ReadHeader(GReader& r, bool* known) {
  const std::string& k = r.keyword;
  GDocument& d = r.doc;
  GSheet& s = d.Sheet();
  *known = true;
  if (k == "SetPtMode" || k == "SetLnMode") {
    if (r.count < 5) return r.Fail(SyntaxMessage(k));
    int* styles = k == "SetPtMode" ? s.pointStyles : s.lineStyles;
    for (int i = 0; i < 5; ++i) styles[i] = r.Int(i);
  } else if (k == "SetBgMode") {
    if (r.count < 1) return r.Fail(SyntaxMessage(k));
    s.background = r.Int(0);
  } else if (k == "SquaredPaper") {
    if (r.count < 1) return r.Fail(SyntaxMessage(k));
    s.squaredPaper = r.Int(0) != 0;
  } else if (k == "SetPointTextColor") {
    if (r.count < 3) return r.Fail(SyntaxMessage(k));
    d.Defaults().SetNameColour(GColour{r.Int(0), r.Int(1), r.Int(2)});
  } else if (k == "WindowSize") {
    if (r.count < 2) return r.Fail(SyntaxMessage(k));
    ReadWindowSize(r);
  } else {
    *known = false;
    return true;
  }
  if (d.Hooks()) d.Hooks()->AppearanceRead();
  return true;
}

bool ReadStatement(GReader& r) {
  bool known = false;
  bool ok = ReadPointStatement(r, &known);
  if (!known) ok = ReadLineStatement(r, &known);
  if (!known) ok = ReadOtherStatement(r, &known);
  if (!known) ok = ReadHeader(r, &known);
  if (!known) ok = ReadViewStatement(r, &known);
  if (!known) {
    for (const EffectKind& e : kEffects)
      if (r.keyword == e.keyword) return ReadEffect(r, e.type);
  }
  return ok;  // "Angle", "AngleByDegree" and "Clipping" build nothing
}

// Frees every step of the current sheet with what it made, so a sheet that
// is started afresh leaves nothing behind in the pools.
void ReleaseCurrentSheet(GDocument& d) { d.ClearSheet(); }

// "//Sheet ": the first one of a reading starts the current sheet afresh,
// every later one opens a new sheet after it. False when no sheet is left.
bool StartSheet(GReader& r, int& separators) {
  GDocument& d = r.doc;
  r.textRx = r.textRy = 1.0;
  r.names.Reset();
  if (separators++ == 0) {
    ReleaseCurrentSheet(d);
    d.MoveSheet(true);
    return true;
  }
  if (d.Sheets().Count() >= kSheetPoolSize) return r.Fail("line %d : too many sheets");
  return d.InsertNewSheet();
}

}  // namespace

bool ReadScript(GDocument& doc, const std::string& text, GReadScope scope, GReadTexts texts) {
  const GCNumericScope dots;
  const bool clear = scope == GReadScope::kDocument;
  const bool withTexts = texts == GReadTexts::kWith;
  if (clear) doc.ClearConst();
  GReader r(doc);
  r.withTexts = withTexts;
  int separators = 0;
  size_t pos = 0;
  std::string line;
  while (!GetALine(line, text, pos)) {
    size_t lead = 0;
    while (lead < line.size() && (line[lead] == '\n' || line[lead] == '\r')) ++lead;
    line.erase(0, lead);
    if (line.compare(0, 2, "//") == 0) {
      if (line.compare(0, 8, "//Sheet ") == 0 && !StartSheet(r, separators)) return false;
      ++r.line;
      continue;
    }
    std::string statement = line;
    r.name.clear();
    r.names.TakeIn(doc);
    if (Check_Prefix(r.type, statement)) return r.Fail("line %d : invalid type");
    // Every element but a "void" one is named, by a name not yet taken.
    if (r.type != "void" &&
        (!SplitElementName(r.name, statement) || r.NameTaken(ScriptName(r.name)))) {
      doc.User().ShowMessage(
          StrFormat(Tr("line %d : element name error : %s "), r.line, ScriptName(r.name).c_str()),
          Tr("Syntax error"));
      return false;
    }
    if (Get_FunctionName(r.keyword, statement)) {
      doc.User().ShowMessage(StrFormat(Tr("line %d : illegal function name"), r.line),
                             ScriptName(r.keyword));
      return false;
    }
    r.tooMany = Get_Variables(r.var, statement, r.count);
    if (r.keyword == "Text" && !withTexts) {
      ++r.line;
      continue;
    }
    if (r.tooMany) {
      // More fields than a statement can hold: the statement is refused as a
      // whole rather than read with fields cut off.
      const char* msg = SyntaxMessage(r.keyword);
      if (msg) return r.Fail(msg);
      ++r.line;
      continue;
    }
    if (!ReadStatement(r)) return false;
    ++r.line;
  }
  if (clear) {
    // Back to the first sheet, whose names MoveSheet takes up again.
    doc.Sheets().SetCurrent(0);
    doc.MoveSheet(false);
    if (doc.FirstConst()) doc.EvaluateConst(doc.FirstConst());
  } else {
    doc.ResetAllName();
  }
  return true;
}

// The statements are split and their type words found as the reading loop
// above does, so that whatever it would read as a statement counts here.
bool HoldsStatement(const std::string& text) {
  size_t pos = 0;
  std::string line, type;
  while (!GetALine(line, text, pos)) {
    const size_t lead = line.find_first_not_of("\r\n");
    if (lead == std::string::npos) continue;
    line.erase(0, lead);
    if (line.compare(0, 2, "//") == 0) {
      if (line.compare(0, 8, "//Sheet ") == 0) return true;
      continue;
    }
    if (!Check_Prefix(type, line)) return true;
  }
  return false;
}
