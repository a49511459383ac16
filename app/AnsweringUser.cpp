// The person of an unwatched run: answers taken from a list, everything said
// on standard output and flushed at once (the run may be killed any moment).
#include "app/AnsweringUser.h"

#include <cstdio>
#include <sstream>

namespace {

void Say(const std::string& kind, const std::string& caption, const std::string& text) {
  std::printf("%s: %s: %s\n", kind.c_str(), caption.c_str(), text.c_str());
  std::fflush(stdout);
}

}  // namespace

AnsweringUser::AnsweringUser(GUser& real, const std::string& answers) : m_Real(real) {
  std::istringstream in(answers);
  std::string word;
  while (std::getline(in, word, ','))
    m_Answers.push_back(word == "yes" ? kYes : word == "cancel" ? kCancel : kNo);
}

void AnsweringUser::ShowMessage(const std::string& text, const std::string& caption, Icon) {
  Say("message", caption, text);
}

GUser::Answer AnsweringUser::Ask(const std::string& text, const std::string& caption,
                                 bool withCancel) {
  Say("question", caption, text);
  Answer a = kNo;
  if (!m_Answers.empty()) {
    a = m_Answers.front();
    m_Answers.pop_front();
  }
  if (a == kCancel && !withCancel) a = kNo;
  std::printf("answer: %s\n", a == kYes ? "yes" : a == kCancel ? "cancel" : "no");
  std::fflush(stdout);
  return a;
}

std::string AnsweringUser::ChooseFile(const std::string& message, const std::string&,
                                      const std::string&, bool) {
  Say("chooser", "", message);
  return std::string();
}
