// The person at the screen, reached through the toolkit's message boxes,
// questions and file dialogs; log lines go straight to the day's log file.
#pragma once

#include <string>
#include <wx/string.h>

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

 private:
  GLogFile m_Log;
};

// A name typed without an extension into a chooser of several kinds
// ("BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png") takes the extension of
// the kind chosen (filter `index`); any other name comes back as it is.
wxString WithChosenFilter(const wxString& path, const wxString& wildcard, int index);
