// The numbers the whole program shares: tool modes, interaction styles, themes
// and the bases of the point, line and angle styles. Their values are those
// the documents, the preferences and the command table use; product code
// names them and never writes the bare numbers.
#pragma once

// ---- tool modes (equal to the tools' command numbers) ----
enum class GToolMode : int {
  kMove = 1000,
  kSPoint = 1001,
  kMLine = 1002,
  kPara = 1003,
  kPerp = 1004,
  kMid = 1005,
  kMCircle = 1006,
  kBisector = 1007,
  kMeet = 1008,
  kClipping = 1009,
  kAxis = 1010,
  kGraph = 1011,
  kTangent = 1012,
  kText = 1013,
  kCompass = 1014,
  kOrbit = 1015,
  kCircleBy3 = 1016,
  kInvisible = 1017,
  kZoomIn = 1018,
  kZoomOut = 1019,
  kAngle = 1020,
  kLineWithAngle = 1021,
  kEraser = 1023,
  kImage = 1024,
  kBracket = 1025,
  kSelect = 1100,
};
constexpr GToolMode kModeMove = GToolMode::kMove;
constexpr GToolMode kModeSPoint = GToolMode::kSPoint;
constexpr GToolMode kModeMLine = GToolMode::kMLine;
constexpr GToolMode kModePara = GToolMode::kPara;
constexpr GToolMode kModePerp = GToolMode::kPerp;
constexpr GToolMode kModeMid = GToolMode::kMid;
constexpr GToolMode kModeMCircle = GToolMode::kMCircle;
constexpr GToolMode kModeBisector = GToolMode::kBisector;
constexpr GToolMode kModeMeet = GToolMode::kMeet;
constexpr GToolMode kModeClipping = GToolMode::kClipping;
constexpr GToolMode kModeAxis = GToolMode::kAxis;
constexpr GToolMode kModeGraph = GToolMode::kGraph;
constexpr GToolMode kModeTangent = GToolMode::kTangent;
constexpr GToolMode kModeText = GToolMode::kText;
constexpr GToolMode kModeCompass = GToolMode::kCompass;
constexpr GToolMode kModeOrbit = GToolMode::kOrbit;
constexpr GToolMode kModeCircleBy3 = GToolMode::kCircleBy3;
constexpr GToolMode kModeInvisible = GToolMode::kInvisible;
constexpr GToolMode kModeZoomIn = GToolMode::kZoomIn;
constexpr GToolMode kModeZoomOut = GToolMode::kZoomOut;
constexpr GToolMode kModeAngle = GToolMode::kAngle;
constexpr GToolMode kModeLineWithAngle = GToolMode::kLineWithAngle;
constexpr GToolMode kModeEraser = GToolMode::kEraser;
constexpr GToolMode kModeImage = GToolMode::kImage;
constexpr GToolMode kModeBracket = GToolMode::kBracket;
constexpr GToolMode kModeSelect = GToolMode::kSelect;
// The number a tool mode is stored and commanded by.
constexpr int ModeNumber(GToolMode m) { return static_cast<int>(m); }

// The Tovik tools whose element starts on the press with a point under the
// pointer and ends on the release (the press places, the drag moves it).
constexpr bool TwoPointTool(GToolMode mode) {
  return mode == kModeMLine || mode == kModePara || mode == kModePerp || mode == kModeMid ||
         mode == kModeMCircle || mode == kModeLineWithAngle || mode == kModeBracket;
}

// ---- interaction styles ----
enum class GStyle : int {
  kTovik = 1500,  // "like Tovik": one tool mode at a time
  kQuil = 1501,   // "like Quil": select and drag left, place right
  kPanel = 1503,  // "Touch panel": taps and three on-canvas buttons
};
constexpr GStyle kGModeTovik = GStyle::kTovik;
constexpr GStyle kGModeQuil = GStyle::kQuil;
constexpr GStyle kGModePanel = GStyle::kPanel;
// The number a style is stored (in the preferences) and commanded by.
constexpr int StyleNumber(GStyle s) { return static_cast<int>(s); }

// ---- themes ----
enum class GTheme : int {
  kNone = 0,  // no theme asked for (a picture then takes each sheet's own)
  kStandard = 6000,
  kCat = 6001,
  kStar = 6002,
  kRailroad = 6003,  // a number without a theme: choosing it changes nothing
  kQuil = 6004,
  kTovik = 6005,
  kPastel = 6006,
  kSkeleton = 6007,
};
constexpr GTheme THM_STANDARD = GTheme::kStandard;
constexpr GTheme THM_CAT = GTheme::kCat;
constexpr GTheme THM_STAR = GTheme::kStar;
constexpr GTheme THM_RAILROAD = GTheme::kRailroad;
constexpr GTheme THM_QUIL = GTheme::kQuil;
constexpr GTheme THM_TOVIK = GTheme::kTovik;
constexpr GTheme THM_PASTEL = GTheme::kPastel;
constexpr GTheme THM_SKELETON = GTheme::kSkeleton;
// The number a theme is stored (in the preferences) and commanded by, and the
// theme of a number (kNone for a number that names none).
constexpr int ThemeNumber(GTheme t) { return static_cast<int>(t); }
constexpr GTheme ThemeOfNumber(int n) {
  return n >= ThemeNumber(THM_STANDARD) && n <= ThemeNumber(THM_SKELETON) ? static_cast<GTheme>(n)
                                                                          : GTheme::kNone;
}

// Themes whose hilighted points are animated strips: a drag keeps repainting
// them even when nothing moves.
constexpr bool AnimatedHilightTheme(GTheme theme) {
  return theme == THM_STANDARD || theme == THM_CAT || theme == THM_STAR || theme == THM_SKELETON;
}

// ---- style modes: base + slot ----
constexpr int kPointMode0 = 3100;  // point modes 3100..3104: new points take slot mode - 3100
constexpr int kLineMode0 = 4100;   // line modes 4100..4104
constexpr int kAngleMode0 = 5500;  // angle modes 5500..5504
constexpr int kStyleModeSlots = 5;
