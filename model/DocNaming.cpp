// STUB: to be implemented.
#include "model/Document.h"

bool GDocument::next_name_sub(wxString& /*unused*/) { return false; }
bool GDocument::next_name(wxString& /*unused*/) { return false; }
void GDocument::SetPointName(GPoint* /*unused*/) {}
void GDocument::SetCircleName(GCircle* /*unused*/) {}
void GDocument::SetBracketName(GBracket* /*unused*/) {}
void GDocument::ResetAllName() {}
