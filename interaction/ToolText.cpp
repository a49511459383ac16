// The Text and Image tools: a click on a point edits its name, on a text
// edits the text, elsewhere places a new text; the Image tool places a
// picture from a file with its top-left corner at the click.
#include <wx/translation.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>

#include "interaction/ToolAsk.h"
#include "interaction/ToolWorld.h"
#include "render/Draw.h"
#include "model/Translate.h"
#include "interaction/MyCanvas.h"
#include "model/EvalText.h"

namespace {

// Font sizes outside 5..100 are typing mistakes: they fall back to def.
double SizeOr(double size, double def) { return (size >= 5 && size <= 100) ? size : def; }

bool Ask(MyCanvas& canvas, GTextEdit& e) { return canvas.m_AskText && canvas.m_AskText(e); }

void EditName(MyCanvas& canvas, GPoint* p) {
  GDocument& d = *canvas.m_Doc;
  GTextEdit e;
  e.text = wxString::FromUTF8(p->name);
  e.size = p->nameFontSize;
  const GColour name = d.Defaults().NameColour();
  e.red = name.r;
  e.green = name.g;
  e.blue = name.b;
  e.forName = true;
  if (!Ask(canvas, e)) return;
  // The document refuses a name the file could not read back, or one that
  // another element has, and says why; size and colour are taken anyway.
  d.EditPointName(p, e.text.utf8_string(), e.size, e.red, e.green, e.blue);
}

void EditText(MyCanvas& canvas, GText* t) {
  GTextEdit e;
  std::string shown = t->text;
  RemoveYenCommaOnText(shown);
  e.text = wxString::FromUTF8(shown);
  e.size = t->fontSize;
  e.centred = t->centered != 0;
  e.red = t->red;
  e.green = t->green;
  e.blue = t->blue;
  if (!Ask(canvas, e)) return;
  std::string content = e.text.utf8_string();
  AddYenCommaOnText(content);
  t->text = content;
  t->fontSize = SizeOr(e.size, 18);
  t->centered = e.centred ? 1 : 0;
  t->red = e.red;
  t->green = e.green;
  t->blue = e.blue;
}

void NewTextAt(MyCanvas& canvas, const wxPoint& pos) {
  GDocument& d = *canvas.m_Doc;
  GTextEdit e;
  e.size = 18;
  const GColour text = d.Defaults().TextColour();
  e.red = text.r;
  e.green = text.g;
  e.blue = text.b;
  if (!Ask(canvas, e)) return;
  // A text of blanks only could never be seen or clicked again.
  if (wxString(e.text).Trim(true).Trim(false).empty()) return;
  std::string content = e.text.utf8_string();
  AddYenCommaOnText(content);
  GText* t = d.NewText(content);
  if (!t) return;
  GConst* c = d.NewConst(CONST_TEXT);
  if (!c) {
    t->inUse = 0;
    return;
  }
  t->red = e.red;
  t->green = e.green;
  t->blue = e.blue;
  t->fontSize = SizeOr(e.size, 18);
  t->centered = e.centred ? 1 : 0;
  t->x = pos.x;
  t->y = pos.y;
  t->name = d.TakeName(GNameKind::kText);
  d.AssignText(t);
  c->TextOutput = t;
  d.SetCurrentConst(c);
  d.WriteConst(c);
}

}  // namespace

void MyCanvas::LUp_Text(wxPoint& pos) {
  GDocument& d = *m_Doc;
  GGesture& g = Gesture();
  double x = 0, y = 0;
  PixelToWorld(*this, pos, &x, &y);
  GPoint* p = nullptr;
  if (g.Snapping(d.Sheet().points.head, &x, &y, &p) && p) {
    EditName(*this, p);
  } else if (Snap2Text(d.Sheet().texts.head, pos.x, pos.y) && m_Tool.m_PickedText) {
    EditText(*this, m_Tool.m_PickedText);
  } else {
    NewTextAt(*this, pos);
  }
  RefreshToolbar();
  Refresh(false);
}

void MyCanvas::LUp_Image(wxPoint& pos) {
  GDocument& d = *m_Doc;
  const std::string chosen = d.User().ChooseFile(N_("Choose a image file"), "untitled",
                                                 N_("image files|*.bmp;*.jpg;*.png;*.gif"), false);
  const wxString path = wxString::FromUTF8(chosen);
  d.WriteLogFile("LUp_Image : g_ImagePath=" + chosen + "\n");
  wxImage picture;
  {
    // A file that is not a picture must not raise the toolkit's error box.
    wxLogNull quiet;
    if (!path.empty() && wxFileName::FileExists(path)) picture.LoadFile(path, wxBITMAP_TYPE_ANY);
  }
  if (!picture.IsOk()) {
    d.WriteLogFile("LUp_Image : failed to load image file.\n");
    return;
  }
  GImage* im = d.NewImage();
  GConst* c = d.NewConst(CONST_IMAGE);
  if (!c) {
    im->inUse = 0;  // made for nothing: freed with the history
    return;
  }
  auto* pic = new GWxPicture;
  pic->loaded = picture;
  pic->Show(picture);
  im->picture = pic;
  // The whole path, so that the saved document finds the file again.
  im->fileName = chosen;
  im->name = d.TakeName(GNameKind::kImage);
  im->x = pos.x;
  im->y = pos.y;
  im->width = picture.GetWidth();
  im->height = picture.GetHeight();
  im->hidden = 0;
  d.AssignImage(im);
  c->ImageOutput = im;
  d.SetCurrentConst(c);
  d.WriteConst(c);
  d.WriteLogFile("LUp_Image : NewImage=" + im->name + "\n");
  Refresh(false);
}
