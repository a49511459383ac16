// The person at the screen, reached through the toolkit's message boxes,
// questions and file dialogs; log lines go straight to the day's log file.
#pragma once

#include <string>

#include "model/LogFile.h"
#include "model/User.h"

class WxUser : public GUser {
 public:
  // logFolder holds the day's log files ("" for the working directory).
  explicit WxUser(const std::string& logFolder) : m_Log(logFolder) {}
  void ShowMessage(const wxString& text, const wxString& caption, Icon icon) override;
  Answer Ask(const wxString& text, const wxString& caption, bool withCancel) override;
  wxString ChooseFile(const wxString& message, const wxString& defaultFile,
                      const wxString& wildcard, bool forSaving) override;
  void WriteLog(const std::string& text) override;

 private:
  GLogFile m_Log;
};

// A name typed without an extension into a chooser of several kinds
// ("BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png") takes the extension of
// the kind chosen (filter `index`); any other name comes back as it is.
wxString WithChosenFilter(const wxString& path, const wxString& wildcard, int index);
