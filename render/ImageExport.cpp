// Saving the figure as BMP, PNG or SVG through a temporary file.
#include "render/ImageExport.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>

#include "render/CanvasPainter.h"
#include "render/SvgDC.h"
#include "script/SafeFile.h"

GImageFormat ImageFormatFor(wxString& path) {
  if (path.EndsWith("png")) return kImagePng;
  if (path.EndsWith("svg")) return kImageSvg;
  path = wxString::FromUTF8(WithExtension(path.utf8_string(), "bmp"));
  return kImageBmp;
}

namespace {

bool WriteRaster(CanvasPainter& painter, const std::function<void(wxDC&)>& draw,
                 const std::string& temp, wxBitmapType type) {
  const int w = std::max(1, painter.m_Width), h = std::max(1, painter.m_Height);
  wxBitmap picture(w, h, 24);
  {
    wxMemoryDC dc(picture);
    painter.DrawBackGround(dc);
    draw(dc);
  }
  if (!wxImage::FindHandler(type)) wxInitAllImageHandlers();
  wxImage image = picture.ConvertToImage();
  // A figure is large areas of one colour: the fastest compression already
  // packs it well, and the default level takes several times as long.
  image.SetOption(wxIMAGE_OPTION_PNG_COMPRESSION_LEVEL, 1);
  return image.SaveFile(wxString::FromUTF8(temp), type);
}

// Vector output: the background is its plain colour (a tiled picture would
// turn every tile into an embedded bitmap), the figure the shapes of OnDraw.
std::string SvgText(CanvasPainter& painter, const std::function<void(wxDC&)>& draw) {
  GSvgDC dc(std::max(1, painter.m_Width), std::max(1, painter.m_Height));
  dc.SetBackground(wxBrush(ToWx(painter.m_Look.bg.colour)));
  dc.Clear();
  draw(dc);
  return dc.Text();
}

}  // namespace

bool SaveFigureImage(CanvasPainter& painter, const std::function<void(wxDC&)>& draw,
                     const wxString& path, GImageFormat format, std::string& why) {
  // A file that cannot be written is reported by the caller; the toolkit's
  // own error boxes would come on top of that.
  wxLogNull quiet;
  const std::string target(path.fn_str());
  if (format == kImageSvg) return ReplaceFile(target, SvgText(painter, draw), why);
  return ReplaceFileWith(
      target,
      [&](const std::string& temp) {
        return WriteRaster(painter, draw, temp,
                           format == kImagePng ? wxBITMAP_TYPE_PNG : wxBITMAP_TYPE_BMP);
      },
      why);
}
