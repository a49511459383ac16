// Zoom steps and the view every step of a sheet records: zooming within the
// scale limits, the zoom commands' steps and taking a sheet's zooms back.
#include "model/ViewSteps.h"

#include <vector>

#include "model/Document.h"

void PushViewToConsts(GDocument& doc) {
  for (GConst* c = doc.FirstConst(); c; c = c->next) {
    c->viewScale = doc.Viewport().Scale();
    c->viewLeft = doc.Viewport().XMin();
    c->viewRight = doc.Viewport().XMax();
    c->viewTop = doc.Viewport().YMax();
    c->viewBottom = doc.Viewport().YMin();
  }
  if (doc.FirstConst()) doc.EvaluateConst(doc.FirstConst());
}

bool ZoomIn(GDocument& doc, double factor) {
  if (!doc.Viewport().ZoomIn(factor)) return false;
  PushViewToConsts(doc);
  return true;
}

bool ZoomOut(GDocument& doc, double factor) {
  if (!doc.Viewport().ZoomOut(factor)) return false;
  PushViewToConsts(doc);
  return true;
}

void ScaleView(GDocument& doc, double k) {
  doc.Viewport().ScaleAroundCentre(k);
  PushViewToConsts(doc);
}

GConst* ZoomStep(GDocument& doc, bool in) {
  const bool changed = in ? ZoomIn(doc, kZoomFactor) : ZoomOut(doc, kZoomFactor);
  GConst* c = doc.NewConst(in ? CONST_ZOOMIN : CONST_ZOOMOUT);
  if (c) c->viewChanged = changed ? 1 : 0;
  return c;
}

void RevertSheetZooms(GDocument& doc, bool forget) {
  std::vector<GConst*> zooms;
  for (GConst* c = doc.FirstConst(); c; c = c->next)
    if ((c->type == CONST_ZOOMIN || c->type == CONST_ZOOMOUT) && c->viewChanged) zooms.push_back(c);
  for (auto it = zooms.rbegin(); it != zooms.rend(); ++it) {
    ScaleView(doc, (*it)->type == CONST_ZOOMIN ? kZoomFactor : 1.0 / kZoomFactor);
    if (forget) (*it)->viewChanged = 0;
  }
}
