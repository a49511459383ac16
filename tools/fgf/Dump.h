// The JSON picture of a document for the fgf tool: every sheet's steps and
// elements in list order, with the outcome of reading and the messages shown.
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"
#include "tools/fgf/FgfUser.h"

// error: null when empty and ok; otherwise the message.
std::string DumpDocument(GDocument& doc, bool ok, const std::string& error,
                         const std::vector<FgfMessage>& messages);
