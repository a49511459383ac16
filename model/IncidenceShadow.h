// Compact copies of the real positions of a sheet's points and lines, which
// let the incidence checks of a script being read pick out, in one tight
// pass, the few elements a new line or circle may pass through or repeat.
#pragma once

#include <vector>

struct GSheet;
class GPoint;
class GLine;
class GCircle;

// While a script is read no element moves once it has been made: each
// statement evaluates only its own new step, and the incidence walk puts
// every point back exactly. The copies taken when an element first comes to
// a check therefore stay true for the whole reading. (Elsewhere points move
// by dragging, and the checks look at the records themselves.)
//
// The choice is generous: it keeps every element whose exact test could pass,
// with four times the tests' slack and any element whose coordinates are not
// plain real numbers of ordinary size. It keeps them in list order, so that
// the checks record incidences in the order a walk over the list would.
struct GIncidenceShadow {
  // Takes in the elements appended to the sheet's point and line lists since
  // the last call; when the lists are another sheet's or the last element it
  // took in has gone, it takes in the lists anew.
  void Sync(GSheet& sheet);
  // The points of the sheet that may lie on L (on C); none when L (C)
  // itself is not one the copies can serve. The list holds until the next call.
  const std::vector<GPoint*>* PointsMaybeOn(const GLine* L);
  const std::vector<GPoint*>* PointsMaybeOn(const GCircle* C);
  // The lines of the sheet that may be the same line as L.
  const std::vector<GLine*>* LinesMaybeSame(const GLine* L);
  // Forgets everything: the next Sync takes in the lists anew.
  void Clear();

 private:
  struct PointCopy {
    double x, y, w;  // affine position and |z|²; x is NaN when not plain real
    GPoint* point;
    unsigned serial;
  };
  struct LineCopy {
    double a, b, n2;  // a, b and |a|²+|b|²+|c|²; a is NaN when not plain real
    GLine* line;
    unsigned serial;
  };
  void TakeIn(GPoint* P);
  void TakeIn(GLine* L);

  const GSheet* sheet_ = nullptr;
  std::vector<PointCopy> points_;
  std::vector<LineCopy> lines_;
  std::vector<GPoint*> chosenPoints_;
  std::vector<GLine*> chosenLines_;
};
