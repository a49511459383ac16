// Pictures and pages of a document drawn with cairo: an image surface the
// size of the window for PNG and BMP, a PDF surface of paper-sized pages with
// the window's area scaled onto each.
#include "render/CairoRender.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo.h>
#include <memory>

#include "render/CairoSurface.h"
#include "render/CairoText.h"
#include "render/Png.h"
#include "script/SafeFile.h"

namespace {

void PutLE(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back((char)(v >> (8 * i)));
}

// Paper in PDF points (1/72 inch), upright.
void PaperSize(GPaper paper, double* w, double* h) {
  if (paper == GPaper::kLetter) {
    *w = 612;
    *h = 792;
  } else {
    *w = 595.276;
    *h = 841.89;
  }
}

// Half an inch of paper around the figure.
constexpr double kMargin = 36;

// One page: the window's area scaled to fit inside the margins and centred,
// cut to that area as the window cuts it.
void DrawPage(cairo_t* cr, FigurePainter& p, double pageW, double pageH) {
  const double w = std::max(1, p.m_Width), h = std::max(1, p.m_Height);
  const double s = std::min((pageW - 2 * kMargin) / w, (pageH - 2 * kMargin) / h);
  cairo_save(cr);
  cairo_translate(cr, (pageW - w * s) / 2, (pageH - h * s) / 2);
  cairo_scale(cr, s, s);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  {
    GCairoSurface surface(cr, false);
    const BGBmp& bg = p.m_Look.bg;
    if (bg.tile.Empty())
      surface.Clear(bg.colour);
    else
      surface.Tiled(bg.tile, (int)w, (int)h);
    DrawSheet(surface, p.Paint(GOverlay()), GOverlay());
  }
  cairo_restore(cr);
  cairo_show_page(cr);
}

cairo_status_t PutPdf(void* closure, const unsigned char* data, unsigned int length) {
  const GFilePut& put = *static_cast<const GFilePut*>(closure);
  return put(std::string_view(reinterpret_cast<const char*>(data), length))
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

namespace {
// The figure drawn into an image surface, handed to `use` while it lives.
template <class Use>
void WithFigureImage(FigurePainter& p, const GOverlay& o,
                     const std::function<void(GSurface&)>& over, Use use) {
  const int w = std::max(1, p.m_Width), h = std::max(1, p.m_Height);
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(image);
    {
      GCairoSurface surface(cr, true);
      DrawBackground(surface, p);
      DrawSheet(surface, p.Paint(o), o);
      if (over) over(surface);
    }
    cairo_destroy(cr);
    cairo_surface_flush(image);
    use(image);
  }
  cairo_surface_destroy(image);
}
}  // namespace

GRaster RasterOfFigure(FigurePainter& p, const GOverlay& o,
                       const std::function<void(GSurface&)>& over) {
  GRaster r;
  WithFigureImage(p, o, over, [&](cairo_surface_t* image) { r = RasterOfImageSurface(image); });
  return r;
}

std::string EncodeFigure(FigurePainter& p, const GOverlay& o, GImageFormat format,
                         const std::function<void(GSurface&)>& over) {
  std::string bytes;
  WithFigureImage(p, o, over, [&](cairo_surface_t* image) {
    if (format != kImagePng) {
      bytes = EncodeBmp(RasterOfImageSurface(image));
      return;
    }
    // Packed from the surface's own pixels: a copy of the whole picture
    // costs as much as the drawing of a small figure.
    GPixelRows rows;
    rows.data = cairo_image_surface_get_data(image);
    rows.stride = (size_t)cairo_image_surface_get_stride(image);
    rows.width = cairo_image_surface_get_width(image);
    rows.height = cairo_image_surface_get_height(image);
    rows.xrgb = true;
    bytes = EncodePngRows(rows, true);
  });
  return bytes;
}

std::string EncodeBmp(const GRaster& picture) {
  if (picture.Empty() || picture.rgba.size() < (size_t)picture.width * picture.height * 4)
    return {};
  const uint32_t row = ((uint32_t)picture.width * 3 + 3) & ~3u;
  const uint32_t pixels = row * (uint32_t)picture.height;
  std::string out;
  out.reserve(54 + pixels);
  out += "BM";
  PutLE(out, 54 + pixels, 4);
  PutLE(out, 0, 4);
  PutLE(out, 54, 4);  // where the pixels start
  PutLE(out, 40, 4);  // the size of this header
  PutLE(out, (uint32_t)picture.width, 4);
  PutLE(out, (uint32_t)picture.height, 4);
  PutLE(out, 1, 2);   // planes
  PutLE(out, 24, 2);  // bits per pixel
  PutLE(out, 0, 4);   // no compression
  PutLE(out, pixels, 4);
  PutLE(out, 3780, 4);  // 96 pixels per inch, in pixels per metre
  PutLE(out, 3780, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  std::string line(row, '\0');
  for (int y = picture.height - 1; y >= 0; --y) {
    const uint8_t* p = &picture.rgba[(size_t)y * picture.width * 4];
    for (int x = 0; x < picture.width; ++x, p += 4) {
      line[x * 3] = (char)p[2];
      line[x * 3 + 1] = (char)p[1];
      line[x * 3 + 2] = (char)p[0];
    }
    out += line;
  }
  return out;
}

bool WritePdfOfDocument(FigurePainter& p, bool allSheets, GPaper paper, const std::string& path,
                        std::string& why, GTheme theme) {
  GDocument& doc = p.Document();
  const int current = doc.CurrentSheetIndex() + 1;
  double pw = 0, ph = 0;
  PaperSize(paper, &pw, &ph);
  // A figure wider than tall lies on the paper sideways.
  if (p.m_Width > p.m_Height) std::swap(pw, ph);
  auto produce = [&](const GFilePut& put) {
    cairo_surface_t* pdf =
        cairo_pdf_surface_create_for_stream(PutPdf, const_cast<GFilePut*>(&put), pw, ph);
    cairo_t* cr = cairo_create(pdf);
    const int first = allSheets ? 1 : current, last = allSheets ? doc.SheetCount() : current;
    for (int sheet = first; sheet <= last; ++sheet) {
      // A sheet turned to takes its own looks; a theme asked for goes over them.
      if (allSheets && TurnToSheet(doc, p, sheet) && theme != GTheme::kNone) p.SetTheme(theme, 0);
      DrawPage(cr, p, pw, ph);
    }
    cairo_destroy(cr);
    cairo_surface_finish(pdf);
    const bool ok = cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(pdf);
    return ok;
  };
  const bool ok = ReplaceFileBy(path, produce, why, false);
  if (allSheets) TurnToSheet(doc, p, current);
  return ok;
}

bool RenderFigureFile(const GRenderRequest& r, std::string& error) {
  GImageFormat format;
  if (!RenderFormatOf(r.out, &format)) {
    error = r.out + ": the picture's name must end in .png, .bmp, .svg or .pdf";
    return false;
  }
  if (format == kImageSvg) return RenderSvg(r, error, CairoSvgLetters());
  GSilentUser user;
  // The document is large (fixed pools): it lives on the heap.
  auto doc = std::make_unique<GDocument>(&user);
  FigurePainter p(*doc);
  bool partial = false;
  if (!LoadForRender(r, *doc, p, error, &partial) && !partial) return false;
  std::string why;
  bool written = false;
  if (format == kImagePdf) {
    written = WritePdfOfDocument(p, r.allSheets, r.paper, r.out, why,
                                 r.theme.empty() ? GTheme::kNone : RenderThemeByName(r.theme));
  } else {
    const std::string bytes = EncodeFigure(p, GOverlay(), format);
    if (bytes.empty())
      why = "the picture could not be made";
    else
      written = ReplaceFile(r.out, bytes, why, false);
  }
  if (!written) {
    error = r.out + ": cannot write the picture (" + why + ")";
    return false;
  }
  return !partial;
}
