// The command numbers of every menu item and toolbar button, and the one fixed
// mapping between them and the ids handed to the toolkit. The tool numbers
// (1000..1100) are also the canvas's tool-mode values.
#pragma once

// ---- file, edit, slide show and appearance commands (57608..57688) ----
constexpr int kCmdNew = 57608;
constexpr int kCmdOpen = 57609;
constexpr int kCmdSave = 57610;
constexpr int kCmdPrint = 57612;
constexpr int kCmdPageSetup = 57613;
constexpr int kCmdPrintPreview = 57614;
constexpr int kCmdExit = 57615;
constexpr int kCmdSlideShowProperty = 57619;
constexpr int kCmdNextSheet = 57620;
constexpr int kCmdPrevSheet = 57621;
constexpr int kCmdInsertNew = 57622;
constexpr int kCmdInsertCopyFigure = 57623;
constexpr int kCmdInsertCopyAll = 57624;
constexpr int kCmdDeleteSheet = 57625;
constexpr int kCmdBenchMark = 57627;
constexpr int kCmdSlideShowStart = 57630;
constexpr int kCmdSaveCsv = 57631;
constexpr int kCmdSaveBmp = 57632;
constexpr int kCmdLogfile = 57633;
constexpr int kCmdAbout = 57666;
constexpr int kCmdEditText = 57681;
constexpr int kCmdUndo = 57685;
constexpr int kCmdRedo = 57686;
constexpr int kCmdCloneOn = 57687;
constexpr int kCmdProperty = 57688;

// ---- themes, point, line and angle styles, background, customize ----
constexpr int kThemeStandard = 6000;
constexpr int kThemeCat = 6001;
constexpr int kThemeStar = 6002;
constexpr int kThemeQuil = 6004;
constexpr int kThemeTovik = 6005;
constexpr int kThemePastel = 6006;
constexpr int kThemeSkeleton = 6007;
constexpr int kCmdPoint0 = 3100;  // .. 3104
constexpr int kCmdLine0 = 4100;   // .. 4104
constexpr int kCmdAngle0 = 5500;  // .. 5504
constexpr int kCmdBackground = 7003;
constexpr int kCmdCustomize = 7005;

// ---- interaction styles ----
constexpr int kGModeTovik = 1500;
constexpr int kGModeQuil = 1501;
constexpr int kGModePanel = 1503;

// ---- tools (command number = tool mode) ----
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

// Two commands without a tool that do nothing.
constexpr int kCmdIdModeTangent = 702;
constexpr int kCmdIdModeCircleBy3 = 703;

constexpr int kFrameToolbarId = 700;

// The toolkit refuses item ids above 32766. Commands below that are handed
// over unchanged; the block 57600..57699 is shifted down by 30000 into
// 27600..27699, where no other command lives. Nothing stored (preferences,
// scripts) holds these ids, so the mapping is free to change with the toolkit.
constexpr int kHighCommandFirst = 57600;
constexpr int kHighCommandLast = 57699;
constexpr int kHighCommandShift = 30000;

constexpr int ToolkitId(int command) {
  return command >= kHighCommandFirst && command <= kHighCommandLast ? command - kHighCommandShift
                                                                     : command;
}

constexpr int CommandFromToolkitId(int id) {
  return id >= kHighCommandFirst - kHighCommandShift && id <= kHighCommandLast - kHighCommandShift
             ? id + kHighCommandShift
             : id;
}

static_assert(ToolkitId(kCmdProperty) <= 32766 && ToolkitId(kCmdNew) <= 32766);
static_assert(CommandFromToolkitId(ToolkitId(kCmdAbout)) == kCmdAbout);
static_assert(CommandFromToolkitId(ToolkitId(kModeSelect)) == kModeSelect);
