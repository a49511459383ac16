// The "Edit script" command: runs the script editor on the current sheet.
#include "app/MyFrame.h"
#include "render/MyCanvas.h"

void MyFrame::OnEditText(wxCommandEvent&) {}
