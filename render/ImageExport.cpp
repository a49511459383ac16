// Saving the figure as BMP, PNG or SVG through a temporary file.
#include "render/ImageExport.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>

#include "render/CanvasPainter.h"
#include "script/SafeFile.h"

GImageFormat ImageFormatFor(wxString& path) {
  if (path.EndsWith("png")) return kImagePng;
  if (path.EndsWith("svg")) return kImageSvg;
  path = wxString::FromUTF8(WithExtension(path.utf8_string(), "bmp"));
  return kImageBmp;
}

namespace {

bool WriteRaster(CanvasPainter& painter, const GOverlay& overlay, const std::string& temp,
                 wxBitmapType type) {
  const int w = std::max(1, painter.m_Width), h = std::max(1, painter.m_Height);
  wxBitmap picture(w, h, 24);
  {
    wxMemoryDC dc(picture);
    painter.DrawBackGround(dc);
    painter.Draw(dc, overlay);
  }
  if (!wxImage::FindHandler(type)) wxInitAllImageHandlers();
  wxImage image = picture.ConvertToImage();
  // A figure is large areas of one colour: the fastest compression already
  // packs it well, and the default level takes several times as long.
  image.SetOption(wxIMAGE_OPTION_PNG_COMPRESSION_LEVEL, 1);
  return image.SaveFile(wxString::FromUTF8(temp), type);
}

}  // namespace

bool SaveFigureImage(CanvasPainter& painter, const GOverlay& overlay, const wxString& path,
                     GImageFormat format, std::string& why) {
  // A file that cannot be written is reported by the caller; the toolkit's
  // own error boxes would come on top of that.
  wxLogNull quiet;
  const std::string target(path.fn_str());
  if (format == kImageSvg) return WriteSvgOfFigure(painter, overlay, target, why);
  return ReplaceFileWith(
      target,
      [&](const std::string& temp) {
        return WriteRaster(painter, overlay, temp,
                           format == kImagePng ? wxBITMAP_TYPE_PNG : wxBITMAP_TYPE_BMP);
      },
      why);
}
