// Helpers of the script reader: splitting the text into statements and a
// statement into type word, element name, keyword and fields; byte-string
// utilities; resolving names to elements; incidence bookkeeping of new steps.
#include "script/ReaderHelpers.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "model/Lookup.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

// ---- byte strings ----

std::string mLeft(const std::string& s, long n) {
  if (n < 0 || static_cast<size_t>(n) > s.size()) return std::string();
  return s.substr(0, static_cast<size_t>(n));
}

std::string mMid(const std::string& s, long i, long n) {
  if (i < 0 || static_cast<size_t>(i) >= s.size() || n <= 0) return std::string();
  return s.substr(static_cast<size_t>(i), static_cast<size_t>(n));
}

std::string mMid(const std::string& s, long i) {
  if (i < 0 || static_cast<size_t>(i) >= s.size()) return std::string();
  return s.substr(static_cast<size_t>(i));
}

std::string mAppend(const std::string& s, const std::string& t) { return s + t; }

bool mStrcmp(const std::string& s, const std::string& t) { return s == t; }

bool mStrncmp(const std::string& s, const std::string& t, long n) {
  if (n <= 0) return true;
  const size_t k = static_cast<size_t>(n);
  if (s.size() < k || t.size() < k) return false;
  return s.compare(0, k, t, 0, k) == 0;
}

std::string ScriptName(const std::string& bytes) { return Utf8OrLatin1(bytes); }

int FieldInt(const std::string& field) {
  errno = 0;
  const long v = std::strtol(field.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

double FieldReal(const std::string& field) {
  // Scripts write their numbers as "-12.345": up to 15 digits make a whole
  // number that a double holds exactly, and one division by an exact power
  // of ten then rounds once, to the very double strtod gives. Any other form
  // goes to strtod.
  static const double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = field.c_str();
  const bool minus = *p == '-';
  if (minus || *p == '+') ++p;
  int64_t whole = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (;; ++p) {
    if (*p >= '0' && *p <= '9') {
      // Past 15 digits the number goes to strtod: stop before it could overflow.
      if (digits < 16) whole = whole * 10 + (*p - '0');
      ++digits;
      decimals += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (*p || digits == 0 || digits > 15) return std::strtod(field.c_str(), nullptr);
  const double v = (double)whole / kTens[decimals];
  return minus ? -v : v;
}

int FloorToInt(double v) {
  if (std::isnan(v)) return 0;
  const double f = std::floor(v);
  if (f >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (f <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(f);
}

// ---- splitting statements ----

// A ";" right after a backslash belongs to a text and does not end the
// statement.
bool GetALine(std::string& line, const std::string& text, size_t& pos) {
  line.clear();
  if (pos >= text.size()) return true;
  size_t at = pos;
  for (;;) {
    at = text.find(';', at);
    if (at == std::string::npos) return true;
    if (at > pos && text[at - 1] == '\\') {
      ++at;
      continue;
    }
    break;
  }
  line.assign(text, pos, at + 1 - pos);
  pos = at + 1;
  return false;
}

void RemoveSpace(std::string& s) {
  s.erase(
      std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\r' || c == '\n'; }),
      s.end());
}

bool Check_Prefix(std::string& prefix, std::string& text) {
  static const char* const kTypes[] = {"point", "line",  "circle",  "curve", "text",
                                       "angle", "image", "bracket", "void",  "graph"};
  // Blanks before the type word do not count as its end.
  const size_t start = text.find_first_not_of(' ');
  const size_t blank = start == std::string::npos ? start : text.find(' ', start);
  if (blank == std::string::npos) {
    prefix.clear();
    return true;
  }
  prefix = text.substr(0, blank);
  RemoveSpace(prefix);
  text.erase(0, blank + 1);
  for (const char* t : kTypes)
    if (prefix == t) return false;
  return true;
}

bool SplitElementName(std::string& name, std::string& text) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) {
    name.clear();
    return false;
  }
  name = text.substr(0, eq);
  RemoveSpace(name);
  text.erase(0, eq + 1);
  return true;
}

bool Get_ElementName(GDocument& doc, std::string& name, std::string& text) {
  if (!SplitElementName(name, text)) return true;
  GConst* found = nullptr;
  return FindNameFromCns(doc.FirstConst(), ScriptName(name), &found) != 0;
}

bool Get_FunctionName(std::string& name, std::string& text) {
  // In byte order, for a binary search: every statement looks its keyword up.
  static constexpr std::string_view kKeywords[] = {"3PBisector",
                                                   "Angle",
                                                   "AngleBy3P",
                                                   "AngleByDegree",
                                                   "Bisector",
                                                   "Bracket",
                                                   "Circle",
                                                   "Clipping",
                                                   "Compass",
                                                   "CurveTangent",
                                                   "EffectAngle",
                                                   "EffectBracket",
                                                   "EffectCircle",
                                                   "EffectCurve",
                                                   "EffectImage",
                                                   "EffectLine",
                                                   "EffectPoint",
                                                   "EffectText",
                                                   "Graph",
                                                   "Image",
                                                   "Invisible",
                                                   "Join",
                                                   "LineWithAngle",
                                                   "LineWithAngleDegree",
                                                   "Meet",
                                                   "Meet2Circles",
                                                   "MeetCircleAndLine",
                                                   "Mid",
                                                   "OrbitOnCircle",
                                                   "OrbitOnLine",
                                                   "Orthocenter",
                                                   "ParaCurve",
                                                   "Parallel",
                                                   "Perp",
                                                   "Pt",
                                                   "PtOn3PBisector",
                                                   "PtOnBisector",
                                                   "PtOnCircle",
                                                   "PtOnCurve",
                                                   "PtOnCurveTangent",
                                                   "PtOnLine",
                                                   "PtOnLineWithAngle",
                                                   "PtOnLineWithAngleDegree",
                                                   "PtOnParallel",
                                                   "PtOnPerp",
                                                   "PtOnTangent",
                                                   "SetBgMode",
                                                   "SetLnMode",
                                                   "SetPointTextColor",
                                                   "SetPtMode",
                                                   "SquaredPaper",
                                                   "Tangent",
                                                   "Text",
                                                   "Visible",
                                                   "WindowSize",
                                                   "ZoomIn",
                                                   "ZoomOut"};
  static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords)));
  const size_t open = text.find('(');
  if (open == std::string::npos) {
    name = text;
    RemoveSpace(name);
    text.clear();
  } else {
    name = text.substr(0, open);
    RemoveSpace(name);
    text.erase(0, open + 1);
  }
  return !std::binary_search(std::begin(kKeywords), std::end(kKeywords), std::string_view(name));
}

// Fields end at a "," not preceded by a backslash, and the list ends at a ")"
// followed by ";". Only the first kScriptFields fields are kept; the result
// tells whether there were more.
bool Get_Variables(std::string* fields, const std::string& text, int& count) {
  count = 0;
  int seen = 0;
  std::string cur;
  auto push = [&]() {
    if (seen < kScriptFields) fields[count++] = cur;
    ++seen;
    cur.clear();
  };
  const size_t n = text.size();
  size_t i = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c == ',' && !(i > 0 && text[i - 1] == '\\')) {
      push();
      continue;
    }
    if (c == ')' && i + 1 < n && text[i + 1] == ';') break;
    cur += c;
  }
  // "()" holds no field; otherwise the last field ends here.
  if (!cur.empty() || seen > 0) push();
  for (int k = count; k < kScriptFields; ++k) fields[k].clear();
  return seen > kScriptFields;
}

// ---- the reading pass ----

bool GReader::Fail(const char* format, const char* caption) {
  doc.User().ShowMessage(StrFormat(Tr(format), line), Tr(caption));
  return false;
}

std::string GReader::Word(int i) const {
  if (i < 0 || i >= count) return std::string();
  std::string w = var[i];
  RemoveSpace(w);
  return w;
}

GConst* GReader::Step(GStepKind type) {
  GConst* c = doc.NewConst(type);
  if (!c) Fail("line %d : too many constructions");
  return c;
}

void GReader::Register(GLine* l, GPoint* p, double t) {
  if (!l || !p) return;
  for (GIncident* r = l->ics.head; r; r = r->next)
    if (r->point == p) return;
  doc.AssignIncident(l, p, t);
  // The first step that makes the line, found by its name: a step making the
  // line bears its name, so none comes before the first step bearing it. A
  // name no earlier statement bears belongs to the line this statement made.
  GConst* maker = nullptr;
  if (!l->name.empty()) {
    maker = names.Find(l->name);
    if (!maker && doc.CurrentConst() && doc.CurrentConst()->LOutput == l)
      maker = doc.CurrentConst();
  }
  if (maker && maker->LOutput == l)
    doc.Relations().ResetLineIcPara(l, maker);
  else
    doc.Relations().ResetLineIcPara(l);
}

void GReader::Register(GCircle* c, GPoint* p) {
  if (!c || !p) return;
  for (GIncident* r = c->ics.head; r; r = r->next)
    if (r->point == p) return;
  doc.AssignIncident(c, p, 0.0);
  doc.Relations().ResetCircleIcPara(c);
}

void GReader::CheckPoint(GPoint* p) {
  if (p) doc.Relations().CheckNewElement(p, false);
}

void GReader::CheckLine(GLine* l) {
  if (l) doc.Relations().CheckNewElement(l, false);
}

void GReader::CheckCircle(GCircle* c) {
  if (c) doc.Relations().CheckNewElement(c, false);
}

namespace {

// "color2".."color5" give the colour (style slot) indices 1..4.
bool ColorWord(const std::string& w, int* index) {
  if (w.size() != 6 || w.compare(0, 5, "color") != 0) return false;
  if (w[5] < '2' || w[5] > '5') return false;
  *index = w[5] - '1';
  return true;
}

}  // namespace

void GReader::PointAttributes(GPoint* p, int from) {
  if (!p) return;
  for (int i = from; i < count; ++i) {
    const std::string w = Word(i);
    int index = 0;
    if (w == "invisible") {
      p->hidden = 1;
    } else if (ColorWord(w, &index)) {
      p->pointStyle = index;
    } else if (w.compare(0, 8, "fontsize") == 0 && w.size() > 8) {
      const int size = FieldInt(w.substr(8));
      if (size >= 7 && size <= 100) p->nameFontSize = size;
    } else if (w.compare(0, 9, "nametheta") == 0 && w.size() > 9) {
      const double theta = FieldReal(w.substr(9));
      if (theta >= -6.28 && theta <= 6.28) p->nameAngle = theta;
    }
  }
}

void GReader::LineAttributes(GLine* l, int from) {
  if (!l) return;
  for (int i = from; i < count; ++i) {
    const std::string w = Word(i);
    int index = 0;
    if (w == "clipping")
      l->toolMark = 1;
    else if (w == "invisible")
      l->hidden = 1;
    else if (ColorWord(w, &index))
      l->lineStyle = index;
  }
}

void GReader::CircleAttributes(GCircle* c, int from) {
  if (!c) return;
  for (int i = from; i < count; ++i) {
    const std::string w = Word(i);
    int index = 0;
    if (w == "clipping")
      c->toolMark = 1;
    else if (w == "invisible")
      c->hidden = 1;
    else if (ColorWord(w, &index))
      c->lineStyle = index;
  }
}

void GReader::CurveAttributes(GParaCurve* c, int from) {
  if (!c) return;
  for (int i = from; i < count; ++i) {
    const std::string w = Word(i);
    int index = 0;
    if (w == "invisible")
      c->hidden = 1;
    else if (ColorWord(w, &index))
      c->lineStyle = index;
  }
}
