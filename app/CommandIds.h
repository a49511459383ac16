// The command numbers of every menu item and toolbar button, and the one fixed
// mapping between them and the ids handed to the toolkit. The tool numbers
// are the tool modes of model/Modes.h.
#pragma once

#include "model/Modes.h"  // tool modes, styles and themes: the tools' command numbers

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
constexpr int kCmdExportPdf = 57634;
constexpr int kCmdMeasure = 57640;
constexpr int kCmdShowHidden = 57641;
constexpr int kCmdShowAgain = 57642;
constexpr int kCmdSquaredPaper = 57643;
constexpr int kCmdAbout = 57666;
constexpr int kCmdEditText = 57681;
constexpr int kCmdUndo = 57685;
constexpr int kCmdRedo = 57686;
constexpr int kCmdCloneOn = 57687;
constexpr int kCmdProperty = 57688;

// ---- point, line and angle styles (base + slot), background, customize ----
constexpr int kCmdPoint0 = kPointMode0;  // .. + 4
constexpr int kCmdLine0 = kLineMode0;    // .. + 4
constexpr int kCmdAngle0 = kAngleMode0;  // .. + 4
constexpr int kCmdBackground = 7003;
constexpr int kCmdCustomize = 7005;
// The Language menu: base + index into kLanguages.
constexpr int kCmdLanguage0 = 7900;

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
// A tool's command is its mode's number.
constexpr int ToolkitId(GToolMode mode) { return ToolkitId(ModeNumber(mode)); }
constexpr int ToolkitId(GStyle style) { return ToolkitId(StyleNumber(style)); }
static_assert(CommandFromToolkitId(ToolkitId(kModeSelect)) == ModeNumber(kModeSelect));
