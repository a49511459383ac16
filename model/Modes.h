// The numbers the whole program shares: tool modes, interaction styles, themes
// and the bases of the point, line and angle styles. Their values are those
// the documents, the preferences and the command table use; product code
// names them and never writes the bare numbers.
#pragma once

// ---- tool modes (equal to the tools' command numbers) ----
constexpr int kModeMove = 1000;
constexpr int kModeSPoint = 1001;
constexpr int kModeMLine = 1002;
constexpr int kModePara = 1003;
constexpr int kModePerp = 1004;
constexpr int kModeMid = 1005;
constexpr int kModeMCircle = 1006;
constexpr int kModeBisector = 1007;
constexpr int kModeMeet = 1008;
constexpr int kModeClipping = 1009;
constexpr int kModeAxis = 1010;
constexpr int kModeGraph = 1011;
constexpr int kModeTangent = 1012;
constexpr int kModeText = 1013;
constexpr int kModeCompass = 1014;
constexpr int kModeOrbit = 1015;
constexpr int kModeCircleBy3 = 1016;
constexpr int kModeInvisible = 1017;
constexpr int kModeZoomIn = 1018;
constexpr int kModeZoomOut = 1019;
constexpr int kModeAngle = 1020;
constexpr int kModeLineWithAngle = 1021;
constexpr int kModeEraser = 1023;
constexpr int kModeImage = 1024;
constexpr int kModeBracket = 1025;
constexpr int kModeSelect = 1100;

// The Tovik tools whose element starts on the press with a point under the
// pointer and ends on the release (the press places, the drag moves it).
constexpr bool TwoPointTool(int mode) {
  return mode == kModeMLine || mode == kModePara || mode == kModePerp || mode == kModeMid ||
         mode == kModeMCircle || mode == kModeLineWithAngle || mode == kModeBracket;
}

// ---- interaction styles ----
constexpr int kGModeTovik = 1500;  // "like Tovik": one tool mode at a time
constexpr int kGModeQuil = 1501;   // "like Quil": select and drag left, place right
constexpr int kGModePanel = 1503;  // "Touch panel": taps and three on-canvas buttons

// ---- themes ----
enum ThemeId {
  THM_STANDARD = 6000,
  THM_CAT = 6001,
  THM_STAR = 6002,
  THM_RAILROAD = 6003,  // a number without a theme: choosing it changes nothing
  THM_QUIL = 6004,
  THM_TOVIK = 6005,
  THM_PASTEL = 6006,
  THM_SKELETON = 6007,
};

// Themes whose hilighted points are animated strips: a drag keeps repainting
// them even when nothing moves.
constexpr bool AnimatedHilightTheme(int theme) {
  return theme == THM_STANDARD || theme == THM_CAT || theme == THM_STAR || theme == THM_SKELETON;
}

// ---- style modes: base + slot ----
constexpr int kPointMode0 = 3100;  // point modes 3100..3104: new points take slot mode - 3100
constexpr int kLineMode0 = 4100;   // line modes 4100..4104
constexpr int kAngleMode0 = 5500;  // angle modes 5500..5504
constexpr int kStyleModeSlots = 5;
