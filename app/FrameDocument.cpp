// The frame's document commands: New, Open and Save with their questions,
// file choosers and window titles, and the sheet commands (next, previous,
// insert empty or copied, delete) with their status texts.
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"

namespace {

// "Sheet 2" for the second sheet: the status bar counts sheets from 1.
void ShowSheetNumber(MyFrame& frame) {
  frame.SetStatusText(wxString::Format("Sheet %d", frame.m_Canvas->m_Doc->m_CurrentSheet + 1), 0);
}

// After a command that may have replaced the document or the sheet on
// screen: the picture, the buttons (the selection was dropped and the view
// may have been zoomed by a file) and the sheet number follow.
void ShowDocument(MyFrame& frame) {
  frame.m_Canvas->Refresh(false);
  frame.enableToolbar();
  ShowSheetNumber(frame);
}

}  // namespace

void MyFrame::OnNew(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  if (m_User->Ask("Are you sure?", "Are you sure to delete?") == GUser::kYes) {
    GDocument& doc = *m_Canvas->m_Doc;
    doc.NewDocument();
    SetTitle("Figuretta - untitled");
    doc.WriteLogFile("OnNew:\n");
  }
  ShowDocument(*this);
}

void MyFrame::OnOpen(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->OnOpen();
  ShowDocument(*this);
}

void MyFrame::OnSave(wxCommandEvent&) {
  SaveChosenFile();
  ShowDocument(*this);
}

void MyFrame::SaveChosenFile() {
  const std::string chosen =
      m_User->ChooseFile("Input a file name", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", true);
  if (chosen.empty()) return;
  std::string written;
  if (m_Canvas->m_Doc->SaveDocument(chosen, &written))
    SetTitle(wxString::FromUTF8("Figuretta - " + written));
}

void MyFrame::OnNextSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->NextSheet();
  ShowDocument(*this);
}

void MyFrame::OnPrevSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->PrevSheet();
  ShowDocument(*this);
}

void MyFrame::OnInsertNew(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertNewSheet();
  ShowDocument(*this);
}

void MyFrame::OnInsertCopyFigure(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertCopyFigure(false);
  ShowDocument(*this);
}

void MyFrame::OnInsertCopyAll(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertCopyFigure(true);
  ShowDocument(*this);
}

// The document keeps at least one sheet: deleting the only one empties it.
// The repaint writes the sheet counter.
void MyFrame::OnDeleteSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->DeleteSheet();
  m_Canvas->Refresh(false);
  enableToolbar();
}

void MyFrame::OpenAtStart(const wxString& path) {
  GDocument& doc = *m_Canvas->m_Doc;
  doc.WriteLogFile("OnOpen : g_Path=" + path.utf8_string() + "\n");
  if (doc.OpenDocument(path.utf8_string())) {
    doc.ResetAllName();
    SetTitle("Figuretta - " + path.AfterLast('/'));
  } else {
    // Whatever part of the file was read goes: a half-built figure is not
    // the document that was asked for.
    m_User->ShowMessage(wxString::Format("The file %s could not be opened.\n"
                                         "An empty document is shown instead.",
                                         path)
                            .utf8_string(),
                        "Open", GUser::kError);
    doc.ClearConst();
    doc.MoveSheet(true);
    SetTitle("Figuretta - untitled.fgf");
  }
  ShowDocument(*this);
}
