// The frame's document commands: New, Open and Save, and the sheet commands
// (next, previous, insert empty or copied, delete) with their status texts.
#include "app/MyFrame.h"
#include "render/MyCanvas.h"

void MyFrame::OnNew(wxCommandEvent&) {}
void MyFrame::OnOpen(wxCommandEvent&) {}
void MyFrame::OnSave(wxCommandEvent&) {}
void MyFrame::OnNextSheet(wxCommandEvent&) {}
void MyFrame::OnPrevSheet(wxCommandEvent&) {}
void MyFrame::OnInsertNew(wxCommandEvent&) {}
void MyFrame::OnInsertCopyFigure(wxCommandEvent&) {}
void MyFrame::OnInsertCopyAll(wxCommandEvent&) {}
void MyFrame::OnDeleteSheet(wxCommandEvent&) {}
