// The frame's ways out of the program: "Save image", "Save data", printing,
// page setup, print preview and PDF pages. Print settings are made afresh for
// each command and dropped at its end.
#include <memory>
#include <wx/printdlg.h>

#include "app/MyFrame.h"
#include "app/MyPrintout.h"
#include "interaction/MyCanvas.h"
#include "model/Utf8Text.h"
#include "render/CairoRender.h"
#include "script/SafeFile.h"
#include "script/Script.h"

std::string MyFrame::DocumentStem() const {
  wxString name = GetTitle();
  name = name.StartsWith("Figuretta - ", &name) ? name : wxString("untitled");
  name.EndsWith(Translated(kNotSavedMark), &name);
  name = name.AfterLast('/');  // a saved document's title holds its whole path
  if (name.Lower().EndsWith(".fgf")) name.RemoveLast(4);
  return name.empty() ? std::string("untitled") : name.utf8_string();
}

void MyFrame::OnSaveCsv(wxCommandEvent&) { m_Canvas->OnSaveCsv(DocumentStem()); }

void MyFrame::OnSaveBmp(wxCommandEvent&) { m_Canvas->OnSaveBmp(DocumentStem()); }

// Each of the printing commands has settings of its own: one started from
// inside another's dialog (its nested loop still takes clicks) must not take
// them away from it.
void MyFrame::OnPrint(wxCommandEvent&) {
  wxPrintDialogData printDialogData{wxPrintData()};
  wxPrinter printer(&printDialogData);
  MyPrintout printout(m_Canvas, wxT("My printout"));
  if (printer.Print(this, &printout, true)) {
    // Printed.
  } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
    m_User->ShowMessage(
        N_("There was a problem printing.\nPerhaps your current printer is not set correctly?"),
        N_("Printing"), GUser::kInformation);
  } else {
    m_User->ShowMessage(N_("You canceled printing"), N_("Printing"), GUser::kInformation);
  }
}

void MyFrame::OnPrintPreview(wxCommandEvent&) {
  wxPrintDialogData printDialogData{wxPrintData()};
  // The preview owns its printouts and deletes them with itself.
  auto* preview =
      new wxPrintPreview(new MyPrintout(m_Canvas, wxT("My printout")),
                         new MyPrintout(m_Canvas, wxT("My printout")), &printDialogData);
  if (!preview->IsOk()) {
    delete preview;
    m_User->ShowMessage(
        N_("There was a problem previewing.\nPerhaps your current printer is not set correctly?"),
        N_("Previewing"), GUser::kInformation);
  } else {
    auto* frame = new wxPreviewFrame(preview, this, _("Demo Print Preview"), wxPoint(100, 100),
                                     wxSize(600, 650));
    frame->Centre(wxBOTH);
    frame->Initialize();
    frame->Show();
  }
}

void MyFrame::OnPageSetup(wxCommandEvent&) {
  wxPageSetupDialogData setup{wxPrintData()};
  wxPageSetupDialog pageSetupDialog(this, &setup);
  pageSetupDialog.ShowModal();
}

void MyFrame::OnExportPdf(wxCommandEvent&) {
  const std::string path = m_User->ChooseFile(N_("Export a PDF file"), DocumentStem() + ".pdf",
                                              N_("PDF files (*.pdf)|*.pdf"), true);
  if (!path.empty()) ExportPdf(path);
}

bool MyFrame::ExportPdf(const std::string& chosen) {
  const std::string path = WithExtension(chosen, "pdf");
  // A copy of the document goes through the sheets: turning the window's own
  // would drop its redo stack and its tools' holds.
  GSilentUser quiet;
  auto copy = std::make_unique<GDocument>(&quiet);
  FigurePainter painter(*copy);
  const CanvasPainter& shown = m_Canvas->m_Painter;
  std::string why;
  bool ok = LoadTextForRender(WriteScript(*m_Canvas->m_Doc), shown.m_Width, shown.m_Height,
                              shown.m_Look.theme, *copy, painter);
  if (!ok)
    why = Tr("the document could not be copied");
  else
    ok = WritePdfOfDocument(painter, true, GPaper::kA4, path, why);
  if (!ok)
    m_User->ShowMessage(
        StrFormat(Tr("The PDF %s could not be saved (%s)."), path.c_str(), why.c_str()),
        N_("Export PDF"), GUser::kError);
  return ok;
}
