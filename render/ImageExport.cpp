// Saving the figure as BMP, PNG or SVG through a temporary file.
#include "render/ImageExport.h"

#include <wx/image.h>
#include <wx/log.h>

#include "render/CairoRender.h"
#include "render/CairoText.h"
#include "render/CanvasPainter.h"
#include "render/Png.h"
#include "script/SafeFile.h"

GImageFormat ImageFormatFor(wxString& path) {
  if (path.EndsWith("png")) return kImagePng;
  if (path.EndsWith("svg")) return kImageSvg;
  path = wxString::FromUTF8(WithExtension(path.utf8_string(), "bmp"));
  return kImageBmp;
}

namespace {

// The touch panel's buttons over the figure, where the canvas shows them.
void DrawPanelButtons(CanvasPainter& painter, const GOverlay& overlay, GSurface& s) {
  if (!overlay.panelPressed) return;
  for (int i = 0; i < 3; ++i) {
    const wxBitmap& b =
        overlay.panelPressed[i] ? painter.m_PanelButtonPressed[i] : painter.m_PanelButton[i];
    if (b.IsOk())
      s.Picture(RasterFromImage(b.ConvertToImage()), 64 * i,
                painter.m_ViewRect.height - painter.m_ToolbarHeight - 32);
  }
}

}  // namespace

bool SaveFigureImage(CanvasPainter& painter, const GOverlay& overlay, const wxString& path,
                     GImageFormat format, std::string& why) {
  // A file that cannot be written is reported by the caller; the toolkit's
  // own error boxes would come on top of that.
  wxLogNull quiet;
  const std::string target(path.fn_str());
  // The SVG's texts take the room and the font the window's take.
  if (format == kImageSvg)
    return WriteSvgOfFigure(painter, overlay, target, why, true, CairoSvgLetters());
  // The same pixels as the window's picture, drawn without the toolkit.
  const std::string bytes = EncodeFigure(
      painter, overlay, format, [&](GSurface& s) { DrawPanelButtons(painter, overlay, s); });
  if (bytes.empty()) {
    why = "the picture could not be made";
    return false;
  }
  // A picture can be made again: safe, but not waited for on the disk.
  return ReplaceFile(target, bytes, why, false);
}
