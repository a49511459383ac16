// The frame's ways out of the program: "Save image", "Save data", printing,
// page setup and print preview. Print settings are made afresh for each
// command and dropped at its end.
#include <wx/printdlg.h>

#include "app/MyFrame.h"
#include "app/MyPrintout.h"
#include "interaction/MyCanvas.h"

void MyFrame::OnSaveCsv(wxCommandEvent&) { m_Canvas->OnSaveCsv(); }

void MyFrame::OnSaveBmp(wxCommandEvent&) { m_Canvas->OnSaveBmp(); }

void MyFrame::InitPrintData() {
  DeletePrintData();
  m_PrintData = new wxPrintData;
  m_PageSetupData = new wxPageSetupDialogData;
}

void MyFrame::DeletePrintData() {
  delete m_PrintData;
  m_PrintData = nullptr;
  delete m_PageSetupData;
  m_PageSetupData = nullptr;
}

void MyFrame::OnPrint(wxCommandEvent&) {
  InitPrintData();
  wxPrintDialogData printDialogData(*m_PrintData);
  wxPrinter printer(&printDialogData);
  MyPrintout printout(m_Canvas, wxT("My printout"));
  if (printer.Print(this, &printout, true)) {
    *m_PrintData = printer.GetPrintDialogData().GetPrintData();
  } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
    m_User->ShowMessage(
        "There was a problem printing.\nPerhaps your current printer is not set correctly?",
        "Printing", GUser::kInformation);
  } else {
    m_User->ShowMessage("You canceled printing", "Printing", GUser::kInformation);
  }
  DeletePrintData();
}

void MyFrame::OnPrintPreview(wxCommandEvent&) {
  InitPrintData();
  wxPrintDialogData printDialogData(*m_PrintData);
  // The preview owns its printouts and deletes them with itself.
  auto* preview =
      new wxPrintPreview(new MyPrintout(m_Canvas, wxT("My printout")),
                         new MyPrintout(m_Canvas, wxT("My printout")), &printDialogData);
  if (!preview->IsOk()) {
    delete preview;
    m_User->ShowMessage(
        "There was a problem previewing.\nPerhaps your current printer is not set correctly?",
        "Previewing", GUser::kInformation);
  } else {
    auto* frame = new wxPreviewFrame(preview, this, wxT("Demo Print Preview"), wxPoint(100, 100),
                                     wxSize(600, 650));
    frame->Centre(wxBOTH);
    frame->Initialize();
    frame->Show();
  }
  DeletePrintData();
}

void MyFrame::OnPageSetup(wxCommandEvent&) {
  InitPrintData();
  *m_PageSetupData = *m_PrintData;
  wxPageSetupDialog pageSetupDialog(this, m_PageSetupData);
  pageSetupDialog.ShowModal();
  *m_PrintData = pageSetupDialog.GetPageSetupDialogData().GetPrintData();
  *m_PageSetupData = pageSetupDialog.GetPageSetupDialogData();
  DeletePrintData();
}
