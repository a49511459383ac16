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

  void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
    messages.push_back({caption, text});
  }
  Answer Ask(const std::string& text, const std::string& caption, bool withCancel) override {
    messages.push_back({caption, text});
    return withCancel ? kCancel : kNo;
  }
  std::string ChooseFile(const std::string&, const std::string&, const std::string&,
                         bool) override {
    return std::string();
  }
  void WriteLog(const std::string&) override {}
  bool KeepsLog() const override { return false; }
};
