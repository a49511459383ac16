// The frame's document commands: New, Open and Save with their questions,
// file choosers and window titles, and the sheet commands (next, previous,
// insert empty or copied, delete) with their status texts.
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
#include "model/Utf8Text.h"
#include "script/OpenFigure.h"
#include "script/Recovery.h"
#include "script/Script.h"

namespace {

// "Sheet 2" for the second sheet: the status bar counts sheets from 1.
void ShowSheetNumber(MyFrame& frame) {
  frame.SetStatusText(
      wxString::Format(_("Sheet %d"), frame.m_Canvas->m_Doc->CurrentSheetIndex() + 1), 0);
}

// After a command that may have replaced the document or the sheet on
// screen: the picture, the buttons (the selection was dropped and the view
// may have been zoomed by a file) and the sheet number follow.
void ShowDocument(MyFrame& frame) {
  frame.m_Canvas->Refresh(false);
  frame.enableToolbar();
  ShowSheetNumber(frame);
}

// The one message for a file that did not open.
std::string Refusal(const std::string& path, const GOpenResult& opened) {
  if (opened.status == GOpenStatus::kNotAFigure)
    return StrFormat(Tr("The file %s is not a Figuretta figure.\nThe document was not changed."),
                     path.c_str());
  return StrFormat(Tr("The file %s could not be opened (%s).\nThe document was not changed."),
                   path.c_str(), opened.why.c_str());
}

}  // namespace

void MyFrame::OnNew(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  if (m_User->Ask(N_("Are you sure?"), N_("Are you sure to delete?")) == GUser::kYes) {
    GDocument& doc = *m_Canvas->m_Doc;
    doc.NewDocument();
    doc.Actions().Reset();  // a new document is not undone
    SetTitle("Figuretta - untitled");
    m_DocPath.clear();
    m_Recovery->Reset("");
    doc.WriteLogFile("OnNew:\n");
  }
  ShowDocument(*this);
}

void MyFrame::OnOpen(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  const std::string path = m_User->ChooseFile(N_("Choose a file"), "untitled.fgf",
                                              N_("Figuretta files(*.fgf)|*.fgf"), false);
  if (!path.empty()) OpenFile(path, true);
  ShowDocument(*this);
}

void MyFrame::OnSave(wxCommandEvent&) {
  SaveChosenFile();
  ShowDocument(*this);
}

bool MyFrame::SaveChosenFile() {
  const std::string chosen = m_User->ChooseFile(N_("Input a file name"), "untitled.fgf",
                                                N_("Figuretta files(*.fgf)|*.fgf"), true);
  if (chosen.empty()) return false;
  std::string written;
  if (!SaveDocument(*m_Canvas->m_Doc, chosen, &written)) return false;
  SetTitle(wxString::FromUTF8("Figuretta - " + written));
  m_DocPath = written;
  m_Recovery->Saved(written);
  return true;
}

void MyFrame::OnNextSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->NextSheet();
  m_Canvas->m_Doc->Actions().Absorb();  // looking at another sheet is no action
  ShowDocument(*this);
}

void MyFrame::OnPrevSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->PrevSheet();
  m_Canvas->m_Doc->Actions().Absorb();
  ShowDocument(*this);
}

void MyFrame::OnInsertNew(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertNewSheet();
  m_Canvas->m_Doc->Actions().Name(_("insert a sheet").utf8_string());
  ShowDocument(*this);
}

void MyFrame::OnInsertCopyFigure(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertCopyFigure(false);
  m_Canvas->m_Doc->Actions().Name(_("copy the figure to a new sheet").utf8_string());
  ShowDocument(*this);
}

void MyFrame::OnInsertCopyAll(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->InsertCopyFigure(true);
  m_Canvas->m_Doc->Actions().Name(_("copy the sheet").utf8_string());
  ShowDocument(*this);
}

// The document keeps at least one sheet: deleting the only one empties it.
// The repaint writes the sheet counter.
void MyFrame::OnDeleteSheet(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->m_Doc->DeleteSheet();
  m_Canvas->m_Doc->Actions().Name(_("delete the sheet").utf8_string());
  m_Canvas->Refresh(false);
  enableToolbar();
}

// The file is read and looked at before the question, so that a file that
// cannot be read or is no figure is said so at once and nothing is asked.
// The question comes before the statements are read: the pictures a file
// names but does not find are asked for after it, as part of the reading.
bool MyFrame::OpenFile(const std::string& path, bool ask) {
  GDocument& doc = *m_Canvas->m_Doc;
  doc.WriteLogFile("OnOpen : g_Path=" + path + "\n");
  const auto confirm = [&] {
    if (ask && m_User->Ask(N_("Are you sure?"), N_("Are you sure to delete?")) != GUser::kYes)
      return false;
    doc.WriteLogFile("OnOpen: start\n");
    return true;
  };
  const GOpenResult opened = OpenFigure(doc, path, confirm);
  if (opened.status == GOpenStatus::kCancelled) return false;
  if (!opened.Opened()) {
    m_User->ShowMessage(Refusal(path, opened), N_("Open"), GUser::kError);
    doc.WriteLogFile("OnOpen: failed\n");
    return false;
  }
  doc.Actions().Reset();  // an opened document is where Undo stops
  SetTitle("Figuretta - " + wxString::FromUTF8(path).AfterLast('/'));
  m_DocPath = path;
  m_Recovery->Reset(path);
  doc.WriteLogFile("OnOpen: end\n");
  return true;
}

// At start the document is the empty one the window began with; a file that
// does not open leaves it so, untitled as New leaves a document.
void MyFrame::OpenAtStart(const wxString& path) {
  if (!OpenFile(path.utf8_string(), false)) SetTitle("Figuretta - untitled");
  ShowDocument(*this);
}
