// Whether the shapes drawn through a cairo context may be set straight into
// its pixels (render/RasterSpans.h): an image surface of 32-bit pixels,
// drawn unsmoothed and opaque, without a transformation, a group or a clip
// other than one rectangle. Anything else (a PDF page, a window, a printer)
// is drawn by cairo as before.
#pragma once

#include "render/RasterSpans.h"

typedef struct _cairo cairo_t;

class GCairoSpans {
 public:
  explicit GCairoSpans(cairo_t* cr);
  // Tells cairo that its pixels were changed, if they could be.
  ~GCairoSpans();
  GCairoSpans(const GCairoSpans&) = delete;
  GCairoSpans& operator=(const GCairoSpans&) = delete;
  bool Ok() const { return m_Ok; }
  const GSpanTarget& Target() const { return m_Target; }

 private:
  cairo_t* m_Cr;
  bool m_Ok = false;
  GSpanTarget m_Target;
};
