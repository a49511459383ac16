// The person at the screen, reached through the toolkit's message boxes,
// questions and file dialogs. Log lines are kept in memory for now.
#pragma once

#include <string>
#include <vector>

#include "model/User.h"

class WxUser : public GUser {
 public:
  void ShowMessage(const wxString& text, const wxString& caption, Icon icon) override;
  Answer Ask(const wxString& text, const wxString& caption, bool withCancel) override;
  wxString ChooseFile(const wxString& message, const wxString& defaultFile,
                      const wxString& wildcard, bool forSaving) override;
  void WriteLog(const std::string& text) override;

  // Every line written so far, oldest first.
  const std::vector<std::string>& LogLines() const { return m_Log; }

 private:
  std::vector<std::string> m_Log;
};

// A name typed without an extension into a chooser of several kinds
// ("BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png") takes the extension of
// the kind chosen (filter `index`); any other name comes back as it is.
wxString WithChosenFilter(const wxString& path, const wxString& wildcard, int index);
