// The one way the core reaches the person at the screen: messages, questions,
// file choices and the log. The GUI implements it with wx dialogs; tests and
// command-line tools implement it with a recorder.
#pragma once

#include <string>

class GUser {
 public:
  enum Icon { kInformation, kWarning, kError };
  enum Answer { kYes, kNo, kCancel };

  virtual ~GUser() = default;
  // A modal message with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           Icon icon = kInformation) = 0;
  // A question with Yes and No (and Cancel when withCancel).
  virtual Answer Ask(const std::string& text, const std::string& caption,
                     bool withCancel = false) = 0;
  // A file chooser; returns "" when the person cancels.
  virtual std::string ChooseFile(const std::string& message, const std::string& defaultFile,
                                 const std::string& wildcard, bool forSaving) = 0;
  // One line (with its own line break) for the day's log file.
  virtual void WriteLog(const std::string& text) = 0;
  // Whether the lines given to WriteLog are kept anywhere: when not, they
  // need not be made (a line is written for every step made).
  virtual bool KeepsLog() const { return true; }
};

// A person who reads nothing, answers No and cancels every file choice.
class GSilentUser : public GUser {
 public:
  void ShowMessage(const std::string&, const std::string&, Icon) override {}
  Answer Ask(const std::string&, const std::string&, bool) override { return kNo; }
  std::string ChooseFile(const std::string&, const std::string&, const std::string&,
                         bool) override {
    return std::string();
  }
  void WriteLog(const std::string&) override {}
  bool KeepsLog() const override { return false; }
};
