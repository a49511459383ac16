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
  std::deque<wxString> files;

  void ShowMessage(const wxString& text, const wxString& caption, Icon) override {
    messages.push_back({text.utf8_string(), caption.utf8_string()});
  }
  Answer Ask(const wxString& text, const wxString& caption, bool) override {
    messages.push_back({text.utf8_string(), caption.utf8_string()});
    if (answers.empty()) return kNo;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  wxString ChooseFile(const wxString&, const wxString&, const wxString&, bool) override {
    if (files.empty()) return wxString();
    wxString f = files.front();
    files.pop_front();
    return f;
  }
  void WriteLog(const std::string& text) override { log.push_back(text); }
};
