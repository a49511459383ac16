// The log line of a construction step: each input and output slot that is
// set, with the name of its element, so the day's log shows what was built.
#include "model/Document.h"

namespace {

void AppendSlot(std::string& line, const char* label, const GObject* e) {
  if (!e) return;
  line += label;
  line += '=';
  line += e->name;
  line += ',';
}

}  // namespace

void GDocument::WriteConst(GConst* c) {
  if (!c || !Logging()) return;
  std::string line = "  ";
  AppendSlot(line, "PInput1", c->PInput1);
  AppendSlot(line, "PInput2", c->PInput2);
  AppendSlot(line, "PInput3", c->PInput3);
  AppendSlot(line, "LInput1", c->LInput1);
  AppendSlot(line, "LInput2", c->LInput2);
  AppendSlot(line, "LInput3", c->LInput3);
  AppendSlot(line, "CInput1", c->CInput1);
  AppendSlot(line, "CInput2", c->CInput2);
  AppendSlot(line, "CInput3", c->CInput3);
  AppendSlot(line, "CurveInput1", c->CurveInput1);
  AppendSlot(line, "CurveInput2", c->CurveInput2);
  AppendSlot(line, "TextInput1", c->TextInput1);
  AppendSlot(line, "AngleInput1", c->AngleInput1);
  AppendSlot(line, "ImageInput1", c->ImageInput1);
  AppendSlot(line, "BracketInput1", c->BracketInput1);
  AppendSlot(line, "POutput", c->POutput);
  AppendSlot(line, "LOutput", c->LOutput);
  AppendSlot(line, "COutput", c->COutput);
  AppendSlot(line, "CurveOutput", c->CurveOutput);
  AppendSlot(line, "TextOutput", c->TextOutput);
  AppendSlot(line, "AngleOutput", c->AngleOutput);
  AppendSlot(line, "ImageOutput", c->ImageOutput);
  AppendSlot(line, "BracketOutput", c->BracketOutput);
  line += '\n';
  WriteLogFile(line);
}
