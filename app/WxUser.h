// The person at the screen, reached through the toolkit's message boxes,
// questions and file dialogs; log lines go straight to the day's log file.
// The two file choosers (open, save) are made once and kept while the main
// window lives.
#pragma once

#include <string>
#include <wx/filedlg.h>
#include <wx/string.h>
#include <wx/weakref.h>

#include "model/LogFile.h"
#include "model/User.h"

class WxUser : public GUser {
 public:
  // logFolder holds the day's log files ("" for the working directory).
  explicit WxUser(const std::string& logFolder) : m_Log(logFolder) {}
  // Texts and paths are UTF-8 on the core's side, converted here.
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  Answer Ask(const std::string& text, const std::string& caption, bool withCancel) override;
  std::string ChooseFile(const std::string& message, const std::string& defaultFile,
                         const std::string& wildcard, bool forSaving) override;
  void WriteLog(const std::string& text) override;
  // Destroys the choosers; called as the main window goes, at the end of
  // the run (the toolkit makes them its children, and does not take them
  // along itself).
  void ReleaseChoosers();

 private:
  wxFileDialog* Chooser(bool forSaving);

  GLogFile m_Log;
  // A toolkit file chooser reads its folder in the background and hears of
  // it from the main loop; one destroyed while such a reply is on its way is
  // read after it is gone. Kept while the main loop runs, no reply ever
  // finds one missing, and each opens again in the folder last used.
  wxWeakRef<wxFileDialog> m_Choosers[2];
};

// A name typed without an extension into a chooser of several kinds
// ("BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png") takes the extension of
// the kind chosen (filter `index`); any other name comes back as it is.
wxString WithChosenFilter(const wxString& path, const wxString& wildcard, int index);
