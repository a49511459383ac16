// The status bar's guidance: one plain sentence per tool and stage, chosen
// from the gesture under way and the points already hilighted.
#include "interaction/ToolHints.h"

#include "model/EvalText.h"
#include "model/Formula.h"
#include "model/Gesture.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {

// The three stages of a tool that collects points one click at a time.
const char* Collecting(int chosen, const char* first, const char* second, const char* third) {
  return chosen <= 0 ? first : chosen == 1 ? second : third;
}

std::string TovikHint(GToolMode mode, const GGesture& g, GDocument& doc) {
  const int points = doc.Selection().Points().Count();
  const bool second = g.PlacingTwoPoint();
  switch (mode) {
    case kModeMove:
      return Tr("Drag a point, a name, a text or a picture to move it");
    case kModeSelect:
      return Tr("Click the elements to hilight them (Shift keeps the others)");
    case kModeSPoint:
      return Tr("Click to place a point; on a line, a circle or a crossing it stays there");
    case kModeMLine:
      return second ? Tr("Now release on the second point of the line")
                    : Tr("Press on the first point of the line and drag to the second");
    case kModeMCircle:
      return second ? Tr("Now release where the circle passes")
                    : Tr("Press on the centre of the circle and drag to a point it passes");
    case kModeMid:
      return second ? Tr("Now release on the second point")
                    : Tr("Press on the first point and drag to the second: the midpoint is made");
    case kModeBracket:
      return second ? Tr("Now release on the other end of the bracket")
                    : Tr("Press on one end of the bracket and drag to the other");
    case kModePara:
      return second ? Tr("Now release on the point the parallel goes through")
                    : Tr("Press on a line and drag to the point the parallel goes through");
    case kModePerp:
      return second ? Tr("Now release on the point the perpendicular goes through")
                    : Tr("Press on a line and drag to the point the perpendicular goes through");
    case kModeLineWithAngle:
      return second
                 ? Tr("Now release on the point the new line goes through")
                 : Tr("Press on a line and drag to the point the line at the angle goes through");
    case kModeBisector:
      return g.BisectorClicks() ? Tr("Now click the second line")
                                : Tr("Click the first of the two lines to bisect");
    case kModeAngle:
      return Collecting(points, Tr("Click the first point of the angle"),
                        Tr("Now click its vertex"), Tr("Now click the last point of the angle"));
    case kModeCircleBy3:
      return Collecting(points, Tr("Click the first of three points on the circle"),
                        Tr("Now click the second point"), Tr("Now click the third point"));
    case kModeCompass:
      return Collecting(points, Tr("Click the first point of the distance to take"),
                        Tr("Now click its second point"), Tr("Now click the centre of the circle"));
    case kModeOrbit:
      return points == 0 ? Tr("Click a point that runs on a line or a circle")
                         : Tr("Now click the point whose path is traced");
    case kModeTangent:
      return Tr("Click a point and a circle or a curve: the tangents through the point are made");
    case kModeText:
      return Tr("Click where the text goes");
    case kModeImage:
      return Tr("Click where the picture goes");
    default:
      return "";
  }
}

}  // namespace

std::string ToolHint(GStyle style, GToolMode mode, const GGesture& gesture, GDocument& doc) {
  if (style == kGModeTovik) return TovikHint(mode, gesture, doc);
  const char* place = style == kGModeQuil ? Tr("Right button: place a point. ") : "";
  const GToolMode order[] = {kModeMLine,  kModeMCircle,   kModeMid,   kModePara,
                             kModePerp,   kModeBisector,  kModeMeet,  kModeTangent,
                             kModeOrbit,  kModeCircleBy3, kModeAngle, kModeLineWithAngle,
                             kModeBracket};
  bool any = false;
  for (GToolMode m : order) any = any || gesture.CanBuild(m);
  return std::string(place) +
         (any ? Tr("The lit buttons build from what is hilighted")
              : Tr("Hilight points, lines or circles, then press a construction button"));
}

std::string MadeText(const GConst* c) {
  if (!c) return "";
  // Whole sentences per kind, as other languages bend the words around it.
  struct Output {
    const GObject* e;
    const char* unnamed;
    const char* named;
  };
  const Output outputs[] = {{c->POutput, N_("Made a point"), N_("Made point %s")},
                            {c->LOutput, N_("Made a line"), N_("Made line %s")},
                            {c->COutput, N_("Made a circle"), N_("Made circle %s")},
                            {c->CurveOutput, N_("Made a curve"), N_("Made curve %s")},
                            {c->AngleOutput, N_("Made a angle mark"), N_("Made angle mark %s")},
                            {c->BracketOutput, N_("Made a bracket"), N_("Made bracket %s")},
                            {c->TextOutput, N_("Made a text"), N_("Made text %s")},
                            {c->ImageOutput, N_("Made a picture"), N_("Made picture %s")}};
  for (const Output& o : outputs) {
    if (!o.e) continue;
    std::string made =
        o.e->name.empty() ? std::string(Tr(o.unnamed)) : StrFormat(Tr(o.named), o.e->name.c_str());
    // A formula as the parser nested it, brackets written out ("x/(2*2)"),
    // which is also how a file holding it is read.
    if (c->CurveOutput && !UnderstoodFormula(*c->CurveOutput).empty())
      made.append(": ").append(UnderstoodFormula(*c->CurveOutput));
    // A text says what it shows now, so a measurement reads in the status bar.
    if (c->TextOutput && c->owner) {
      std::string shown;
      if (EvaluateText(c->owner->FirstConst(), c->TextOutput->text, shown, false) == 0) {
        RemoveYenCommaOnText(shown);
        shown = shown.substr(0, shown.find('\n'));
        if (!shown.empty()) made.append(": ").append(shown);
      }
    }
    return made;
  }
  return "";
}
