// Zoom steps and the view every step of a sheet records. The view itself
// (scale, bounds and limits) is GViewport; these keep the sheet's steps in
// step with it.
#pragma once

class GDocument;
class GConst;

constexpr double kZoomFactor = 1.2;  // one press of ZoomIn or ZoomOut

// Copies scale and bounds into every step of the current sheet and evaluates it.
void PushViewToConsts(GDocument& doc);
// One zoom step within the scale limits 0.001..0.1 world units per pixel;
// true when the view changed. The centre of the view stays in place.
bool ZoomIn(GDocument& doc, double factor);
bool ZoomOut(GDocument& doc, double factor);
// Multiplies the world size of a pixel by k, whatever the limits.
void ScaleView(GDocument& doc, double k);
// The zoom commands: zoom by kZoomFactor and record the step, also when
// the limit kept the view as it was. None when the step pool is full.
GConst* ZoomStep(GDocument& doc, bool in);
// Takes back the zooms the current sheet's steps made, last first; with
// `forget` the steps then count as not having changed the view.
void RevertSheetZooms(GDocument& doc, bool forget);
