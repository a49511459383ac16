// The two dialogs of the construction tools: MyEditTextDialog (a text's
// content, size, alignment and colour, or a point's name) and AngleDialog (the
// angle of the line-with-angle tool), with the plain values they edit.
#pragma once

#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/dialogs/ColourRow.h"
#include "interaction/ToolAsk.h"

class MyEditTextDialog : public wxDialog {
 public:
  MyEditTextDialog(wxWindow* parent, const wxString& text, int fontsize, bool centred, int red,
                   int green, int blue);
  // Reads the fields into e; e's colour stays where a field is not a colour.
  void Read(GTextEdit& e) const;
  // The fields, reachable for tests.
  wxTextCtrl* m_Text;
  wxTextCtrl* m_Size;
  wxRadioButton* m_Left;
  wxRadioButton* m_Centre;
  wxTextCtrl* m_Red;
  wxTextCtrl* m_Green;
  wxTextCtrl* m_Blue;

 private:
  ColourRow m_Colour;
};

// "Input graph": a formula f(x) or f(x),g(x) and the range of x. OK ends
// the dialog only when `accept` takes what is typed (none takes anything).
class GraphDialog : public wxDialog {
 public:
  GraphDialog(wxWindow* parent, const GGraphInput& start, GGraphAccept accept = nullptr);
  void Read(GGraphInput& g) const;
  wxTextCtrl* m_Formula;
  wxTextCtrl* m_XMin;
  wxTextCtrl* m_XMax;

 private:
  GGraphAccept m_Accept;
};

class AngleDialog : public wxDialog {
 public:
  explicit AngleDialog(wxWindow* parent, const GAngleChoice& start);
  void Read(GAngleChoice& c) const;
  wxRadioButton* m_ByPoints;
  wxRadioButton* m_ByDegree;
  wxTextCtrl* m_Names[3];
  wxTextCtrl* m_Degrees;
};

// A whole number from 0 to 255, or old when the text is anything else.
int ReadColour(const wxString& text, int old);
// The number at the start of text; 0 when it does not start with one.
double ReadNumber(const wxString& text);

// Shows the dialog modally and fills e on Ok; false on Cancel.
bool AskTextByDialog(wxWindow* parent, GTextEdit& e);
bool AskAngleByDialog(wxWindow* parent, GAngleChoice& c);
bool AskGraphByDialog(wxWindow* parent, GGraphInput& g, const GGraphAccept& accept);
