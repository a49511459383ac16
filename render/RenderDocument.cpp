// Drawing a document file without a window in any format: the canvas's
// painter draws BMP and PNG into an off-screen picture; SVG takes the
// toolkit-free route.
#include "render/RenderDocument.h"

#include <memory>

#include "render/CanvasPainter.h"
#include "render/ImageExport.h"

bool RenderDocument(const GRenderRequest& r, std::string& error) {
  GImageFormat format;
  if (!RenderFormatOf(r.out, &format)) {
    error = r.out + ": the picture's name must end in .png, .svg or .bmp";
    return false;
  }
  if (format == kImageSvg) return RenderSvg(r, error);
  GSilentUser user;
  // The document is large (fixed pools): it lives on the heap.
  auto doc = std::make_unique<GDocument>(&user);
  auto p = std::make_unique<CanvasPainter>(*doc);
  if (!LoadForRender(r, *doc, *p, error)) return false;
  std::string why;
  if (!SaveFigureImage(*p, GOverlay(), wxString::FromUTF8(r.out), format, why)) {
    error = r.out + ": cannot write the picture (" + why + ")";
    return false;
  }
  return true;
}
