// The rules a document keeps between any two commands, checked as a whole:
// the tests call the check after every command they drive, and a checking
// build (FIGURETTA_CHECK_INVARIANTS) runs it after every command it handles.
#pragma once

#include <string>
#include <vector>

class GDocument;
class GGesture;

// Every broken rule as one line of plain words; empty when all hold. The
// rules: every listed element and step is in use, and its pool slot; every
// step of a sheet reads only elements that earlier steps of that sheet made
// (and an effect only an earlier step); every point known to lie on a line or
// circle is a point of that sheet; what the steps on the redo stack made is
// hidden; every hilighted entry is lit and of the current
// sheet.
// What a gesture of the tools is making (lit, not yet listed) is allowed for.
std::vector<std::string> CheckInvariants(GDocument& doc, const GGesture* gesture = nullptr);

// The same, joined into one text for a test's failure message ("" when all hold).
std::string InvariantReport(GDocument& doc, const GGesture* gesture = nullptr);
