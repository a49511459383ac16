// The rows of the effect dialog: one per effect of the current sheet, then one
// per step whose element is hilighted; moving and deleting rows; and Ok, which
// rebuilds the sheet's effect steps from the rows in their order.
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"

constexpr int kMaxEffectRows = 100;

struct GEffectRow {
  GConst* target = nullptr;  // the step whose element the effect moves
  int click = 0;             // 1 on click, 0 immediately
  int direction = 0;         // fade, right, left, top, bottom
  int effect = 0;            // 1 with the swell
  int inout = 0;             // 0 appear, 1 disappear
};

std::vector<GEffectRow> EffectRows(GDocument& doc);
// The statement of the row's target step, as the script shows it.
std::string EffectRowText(const GEffectRow& row);
// Swaps row i with its neighbour above (-1) or below (+1); returns the row's
// new index (i itself when it is at that end).
int MoveEffectRow(std::vector<GEffectRow>& rows, int i, int delta);
// Removes row i (nothing when there is none); returns the row to select next,
// -1 when no row is left.
int DeleteEffectRow(std::vector<GEffectRow>& rows, int i);
// Every effect step of the current sheet is replaced by one per row.
void ApplyEffectRows(GDocument& doc, const std::vector<GEffectRow>& rows);
