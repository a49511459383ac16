// The one road from a file to a document, taken by the Open command, by a
// file named at start, by fgf and by fgf render alike: a file that does not
// read whole leaves the document exactly as it was.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Document.h"

enum class GOpenStatus {
  kOpened,      // the document is now the file's
  kCancelled,   // the confirmation said no: nothing was read
  kUnreadable,  // the file could not be read; `why` says what went wrong
  kNotAFigure,  // the file holds no statement of the construction language
  kReadError,   // the reader stopped at an error; `why` is its message
};

struct GOpenMessage {
  std::string caption;
  std::string text;
};

struct GOpenResult {
  GOpenStatus status = GOpenStatus::kUnreadable;
  std::string why;
  // After a read error: what the reader said and what it had built when it
  // stopped, in a document of its own that reaches nobody. The document the
  // file was meant for is untouched.
  std::vector<GOpenMessage> messages;
  std::unique_ptr<GDocument> attempt;
  bool Opened() const { return status == GOpenStatus::kOpened; }
};

// Reads a regular file whole; on failure `why` says what went wrong.
bool ReadWholeFile(const std::string& path, std::string& out, std::string& why);

// Reads the file at `path` whole. A file that holds nothing of the
// construction language (HoldsStatement) is no figure and is refused, as
// one that cannot be read is. `confirm`, when given, is asked once the bytes
// are in and hold statements, before anything is read into a document;
// false cancels.
// The statements are read first into a document of their own, which starts
// with doc's view, creation defaults, name colour and window size, so that
// it reads exactly as doc will. Only when that reading went through to the
// end is doc cleared and the file read into it, with doc's own person and
// window, and its names seeded afresh. A file asked for while reading (a
// picture that is not where the file says) is asked for once: the answer
// given during the first reading serves the second.
GOpenResult OpenFigure(GDocument& doc, const std::string& path,
                       const std::function<bool()>& confirm = nullptr);
// The same road for text already in hand (a recovery copy's figure): refused
// as no figure when it holds no statement, read whole or not at all.
GOpenResult OpenFigureText(GDocument& doc, const std::string& text,
                           const std::function<bool()>& confirm = nullptr);
