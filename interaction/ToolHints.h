// Guidance for the status bar: what the chosen tool expects next in the
// interaction style in use, and what the last construction step made.
#pragma once

#include <string>

#include "model/Modes.h"

class GDocument;
class GGesture;
struct GConst;

// What the tool waits for now, in plain words for a child: it follows the
// gesture under way (the second point of a line) and the points already
// collected (the third point of an angle).
std::string ToolHint(GStyle style, GToolMode mode, const GGesture& gesture, GDocument& doc);

// "Made point C", "Made line a", ... for the step c made; "" for none.
std::string MadeText(const GConst* c);
