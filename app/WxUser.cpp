// The toolkit side of GUser: modal message boxes with an OK button, Yes/No
// (and Cancel) questions, the file chooser, and the day's log file. A text
// that is a key of the catalogue is shown in the person's language; one that
// was put together already was translated piece by piece where it was made.
#include "app/WxUser.h"

#include "app/Language.h"

#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/app.h>
#include <wx/arrstr.h>

namespace {

long IconStyle(GUser::Icon icon) {
  switch (icon) {
    case GUser::kWarning:
      return wxICON_WARNING;
    case GUser::kError:
      return wxICON_ERROR;
    case GUser::kInformation:
      break;
  }
  return wxICON_INFORMATION;
}

}  // namespace

wxString WithChosenFilter(const wxString& path, const wxString& wildcard, int index) {
  // Only a chooser that offers several kinds decides by its filter: a name
  // ending in another kind it offers (the name proposed, say) is changed to
  // the chosen kind, and any other name (a dot inside it or none) takes the
  // chosen kind's extension after it.
  const wxArrayString parts = wxSplit(wildcard, '|');
  if (parts.size() < 4 || index < 0 || (size_t)(2 * index + 1) >= parts.size()) return path;
  const wxString name = path.AfterLast('/');
  const wxString pattern = parts[2 * index + 1].BeforeFirst(';');
  if (name.empty() || !pattern.StartsWith("*.") || pattern.size() < 3) return path;
  const wxString chosen = pattern.Mid(1);
  const wxString ext = "." + name.AfterLast('.').Lower();
  if (ext == chosen.Lower()) return path;
  for (size_t i = 1; i < parts.size(); i += 2)
    if (parts[i].BeforeFirst(';').Mid(1).Lower() == ext)
      return path.Left(path.size() - ext.size()) + chosen;
  return path + chosen;
}

void WxUser::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  wxMessageBox(Translated(text.c_str()), Translated(caption.c_str()), wxOK | IconStyle(icon));
}

GUser::Answer WxUser::Ask(const std::string& text, const std::string& caption, bool withCancel) {
  long style = wxYES_NO | wxICON_INFORMATION | (withCancel ? wxCANCEL : 0);
  int answer = wxMessageBox(Translated(text.c_str()), Translated(caption.c_str()), style);
  if (answer == wxYES) return kYes;
  // Closing a Yes/No box without a choice counts as No; with a Cancel button
  // it counts as Cancel, the answer that changes nothing.
  if (answer == wxCANCEL && withCancel) return kCancel;
  return kNo;
}

void WxUser::ReleaseChoosers() {
  for (wxWeakRef<wxFileDialog>& chooser : m_Choosers) delete chooser.get();
}

wxFileDialog* WxUser::Chooser(bool forSaving) {
  wxWeakRef<wxFileDialog>& chooser = m_Choosers[forSaving ? 1 : 0];
  if (!chooser) {
    const long style =
        forSaving ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : (wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    // Its parent is the main window, which lives as long as the chooser is
    // kept. Without one the toolkit takes whatever window is active at that
    // moment, maybe a dialog, and takes the chooser's window down with it.
    chooser =
        new wxFileDialog(wxTheApp ? wxTheApp->GetTopWindow() : nullptr, wxEmptyString,
                         wxEmptyString, wxEmptyString, wxFileSelectorDefaultWildcardStr, style);
  }
  return chooser;
}

std::string WxUser::ChooseFile(const std::string& message, const std::string& defaultFile,
                               const std::string& wildcard, bool forSaving) {
  wxFileDialog* dialog = Chooser(forSaving);
  const wxString filters = Translated(wildcard.c_str());
  dialog->SetMessage(Translated(message.c_str()));
  dialog->SetWildcard(filters);
  dialog->SetFilterIndex(0);
  // The chooser takes a folder and a bare name: a proposal with a folder in it
  // opens in that folder.
  const wxString proposal = wxString::FromUTF8(defaultFile);
  if (proposal.Contains('/')) dialog->SetDirectory(proposal.BeforeLast('/'));
  dialog->SetFilename(proposal.AfterLast('/'));
  if (dialog->ShowModal() != wxID_OK) return std::string();
  return WithChosenFilter(dialog->GetPath(), filters, dialog->GetFilterIndex()).utf8_string();
}

// A log line that cannot be written is lost without a word: the log serves a
// teacher later and must never stop the child's work.
void WxUser::WriteLog(const std::string& text) { m_Log.Write(text); }
