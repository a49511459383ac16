// A person for tests: keeps every message and log line and answers questions
// from a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/User.h"

struct RecordedMessage {
  std::string text;
  std::string caption;
};

class RecordingUser : public GUser {
 public:
  std::vector<RecordedMessage> messages;
  std::vector<std::string> log;
  std::deque<Answer> answers;
  std::deque<std::string> files;
  std::vector<std::string> proposals;  // the names each chooser proposed

  void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
    messages.push_back({text, caption});
  }
  Answer Ask(const std::string& text, const std::string& caption, bool) override {
    messages.push_back({text, caption});
    if (answers.empty()) return kNo;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::string ChooseFile(const std::string&, const std::string& proposed, const std::string&,
                         bool) override {
    proposals.push_back(proposed);
    if (files.empty()) return std::string();
    std::string f = files.front();
    files.pop_front();
    return f;
  }
  void WriteLog(const std::string& text) override { log.push_back(text); }
};
