// A person who answers from a list given in the environment, for a run of
// the real program that no one watches (the crash-recovery test): every
// message and question is written on standard output, no dialog is shown.
#pragma once

#include <deque>
#include <string>

#include "model/User.h"

// "yes,no,..." answers the questions in turn; once the list is used up, No.
constexpr const char* kAnswersVariable = "FIGURETTA_ANSWERS";

class AnsweringUser : public GUser {
 public:
  // Log lines go on to `real`; answers is the variable's text.
  AnsweringUser(GUser& real, const std::string& answers);
  // "message: CAPTION: TEXT" on standard output, at once.
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  // "question: CAPTION: TEXT", then "answer: yes" (or no, cancel).
  Answer Ask(const std::string& text, const std::string& caption, bool withCancel) override;
  // "chooser: MESSAGE", cancelled.
  std::string ChooseFile(const std::string& message, const std::string& defaultFile,
                         const std::string& wildcard, bool forSaving) override;
  void WriteLog(const std::string& text) override { m_Real.WriteLog(text); }
  bool KeepsLog() const override { return m_Real.KeepsLog(); }

 private:
  GUser& m_Real;
  std::deque<Answer> m_Answers;
};
