// A sheet at pool scale for the benchmarks: free points and every kind of
// point, line and circle step, built through the document's own operations
// from a fixed seed, so every run measures the same figure.
#pragma once

#include <cstdint>
#include <memory>

#include "model/Document.h"

struct SheetStats {
  int steps = 0;       // steps in the construction list
  int freePoints = 0;  // CONST_FREE steps
  int points = 0;      // points in the sheet's point list
  int realPoints = 0;  // of those, finite with real coordinates
  int lines = 0;
  int realLines = 0;
  int circles = 0;
  int realCircles = 0;
  int kinds = 0;  // distinct step kinds used
};

constexpr uint64_t kSheetSeed = 20240611;

// Builds a document whose current sheet holds `steps` construction steps
// (at most the pool size) mixing every point, line and circle kind, with at
// least 15% free points, 30% lines and 15% circles; the whole list has been
// evaluated once. Points are bound only to lines that exist in the sheet, and
// no element repeats another, so the written document reads back into the
// same steps. Messages and log lines go to `user`, which must outlive
// the document.
std::unique_ptr<GDocument> GenerateSheet(GUser* user, int steps = kPoolSize,
                                         uint64_t seed = kSheetSeed);

// A document of `sheets` sheets (at least one), each with an appearance of
// its own and `stepsPerSheet` steps of the same mix, all sheets together
// within the pools. Sheet 0 is current at the end, as after opening a file.
std::unique_ptr<GDocument> GenerateDocument(GUser* user, int sheets, int stepsPerSheet,
                                            uint64_t seed = kSheetSeed);

// Counts what a generated (or any) sheet holds.
SheetStats CountSheet(GDocument& doc);

// Two lines of the sheet that meet at a finite real point inside the view,
// chosen deterministically by `pick`; false when the sheet has none.
bool PickMeetingLines(GDocument& doc, unsigned pick, GLine** l, GLine** m);

// Places the intersection point of two lines as the point tool does: a
// CONST_MEET step of the two lines whose new point is evaluated, put into the
// point list and named. Returns the point (and its step through `step`), or
// none when a pool is full. Incidence records and checks are left to the
// caller; DeleteConst(step) removes step and point again.
GPoint* PlaceMeetPoint(GDocument& doc, GLine* l, GLine* m, GConst** step = nullptr);
