// The canvas's exports: "Save image" (BMP, PNG or SVG, drawn with the same
// OnDraw as the window) and "Save data" (the CSV of the hilighted elements).
#include <wx/translation.h>
#include "model/Translate.h"
#include "interaction/MyCanvas.h"
#include "render/ImageExport.h"
#include "script/Script.h"

// The filters in the order the chooser shows them; the first is the default.
static const char kImageWildcard[] =
    N_("BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png|SVG files (*.svg)|*.svg");

// The chooser proposes the document's name as a picture of the first kind;
// the kind chosen in it decides the extension (app/WxUser.cpp).
void MyCanvas::OnSaveBmp(const std::string& stem) {
  const std::string path =
      m_Doc->User().ChooseFile(N_("Save an image file"), stem + ".bmp", kImageWildcard, true);
  if (path.empty()) return;
  SaveImage(wxString::FromUTF8(path));
  Refresh(false);
}

bool MyCanvas::SaveImage(const wxString& chosen) {
  wxString path = chosen;
  const GImageFormat format = ImageFormatFor(path);
  std::string why;
  if (SaveFigureImage(m_Painter, PrepareDrawing(), path, format, why)) return true;
  m_Doc->User().ShowMessage(
      wxString::Format(_("The image %s could not be saved (%s)."), path, wxString::FromUTF8(why))
          .utf8_string(),
      N_("Save image"), GUser::kError);
  return false;
}

// The question comes before the chooser: No writes nothing and asks no more.
// With nothing hilighted there is no data to save: that is said, and no file
// is written.
void MyCanvas::OnSaveCsv(const std::string& stem) {
  GUser& user = m_Doc->User();
  if (m_Doc->Selection().Empty()) {
    user.ShowMessage(N_("Nothing is chosen: hilight the elements whose data you want to save."),
                     N_("Save data"), GUser::kInformation);
    return;
  }
  if (user.Ask(N_("Are you sure to save data of hilighted elements\n into a CSV (EXCEL) file."),
               N_("Are you sure?")) == GUser::kYes) {
    const std::string path =
        user.ChooseFile(N_("Input a file name"), stem + ".csv", N_("CSV files(*.csv)|*.csv"), true);
    if (!path.empty()) SaveCsv(*m_Doc, path);
  }
  Refresh(false);
}
