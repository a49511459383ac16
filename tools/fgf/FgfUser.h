// The person behind the fgf tool: nobody. Every message is kept for the
// report, every question is answered Cancel (or No) and every file choice is
// cancelled, so reading a document never waits for anyone.
#pragma once

#include <string>
#include <vector>

#include "model/User.h"

struct FgfMessage {
  std::string caption;  // UTF-8
  std::string text;     // UTF-8
};

class FgfUser : public GUser {
 public:
  std::vector<FgfMessage> messages;

  void ShowMessage(const wxString& text, const wxString& caption, Icon) override {
    messages.push_back({caption.utf8_string(), text.utf8_string()});
  }
  Answer Ask(const wxString& text, const wxString& caption, bool withCancel) override {
    messages.push_back({caption.utf8_string(), text.utf8_string()});
    return withCancel ? kCancel : kNo;
  }
  wxString ChooseFile(const wxString&, const wxString&, const wxString&, bool) override {
    return wxString();
  }
  void WriteLog(const std::string&) override {}
};
