// The two toolbars of the main window: the shared button pictures, the
// frame's own toolbar, the mode toolbar of each interaction style, and the
// enabled and pressed states of their buttons.
#include <algorithm>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MenuTexts.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
// clang-format off
#include "resources/filenew.xpm"
#include "resources/fileopen.xpm"
#include "resources/filesave.xpm"
#include "resources/fileprint.xpm"
#include "resources/modemove.xpm"
#include "resources/modespoint.xpm"
#include "resources/modemline.xpm"
#include "resources/modepara.xpm"
#include "resources/modeperp.xpm"
#include "resources/modemid.xpm"
#include "resources/modemcircle.xpm"
#include "resources/modebisector.xpm"
#include "resources/modeselect.xpm"
#include "resources/modemeet.xpm"
#include "resources/modegraph.xpm"
#include "resources/modeclipping.xpm"
#include "resources/modeinvisible.xpm"
#include "resources/modeaxis.xpm"
#include "resources/modetangent.xpm"
#include "resources/modetext.xpm"
#include "resources/modecompass.xpm"
#include "resources/modeundo.xpm"
#include "resources/moderedo.xpm"
#include "resources/modeorbit.xpm"
#include "resources/modecircleby3.xpm"
#include "resources/modeangle.xpm"
#include "resources/modelinewithangle.xpm"
#include "resources/modeeraser.xpm"
#include "resources/modeimage.xpm"
#include "resources/modebracket.xpm"
#include "resources/zoomin.xpm"
#include "resources/zoomout.xpm"
#include "resources/property.xpm"
#include "resources/panel_button.xpm"
// clang-format on

wxBitmap toolBarBitmap[kToolbarBitmapCount];
bool m_InitToolbar = false;

void ReleaseToolbarBitmaps() {
  for (wxBitmap& b : toolBarBitmap) b = wxNullBitmap;
  m_InitToolbar = false;
}

namespace {

const char* const* const kToolbarImages[kToolbarBitmapCount] = {
    filenew_xpm,      fileopen_xpm,          filesave_xpm,   fileprint_xpm,   modemove_xpm,
    modespoint_xpm,   modemline_xpm,         modepara_xpm,   modeperp_xpm,    modemid_xpm,
    modemcircle_xpm,  modebisector_xpm,      modeselect_xpm, modemeet_xpm,    modegraph_xpm,
    modeclipping_xpm, modeinvisible_xpm,     modeaxis_xpm,   modetangent_xpm, modetext_xpm,
    modecompass_xpm,  modeundo_xpm,          moderedo_xpm,   modeorbit_xpm,   modecircleby3_xpm,
    modeangle_xpm,    modelinewithangle_xpm, modeeraser_xpm, modeimage_xpm,   modebracket_xpm,
    zoomin_xpm,       zoomout_xpm,           property_xpm};

struct ToolDef {
  constexpr ToolDef(int command, GMsg l, int b, GMsg t, wxItemKind k)
      : id(command), label(l), bitmap(b), tip(t), kind(k) {}
  constexpr ToolDef(GToolMode mode, GMsg l, int b, GMsg t, wxItemKind k)
      : ToolDef(ModeNumber(mode), l, b, t, k) {}
  int id;  // command number
  GMsg label;
  int bitmap;  // index into toolBarBitmap
  GMsg tip;
  wxItemKind kind;
};

const ToolDef kFrameTools[] = {
    {kCmdNew, ToolText_New, 0, GMsg{""}, wxITEM_NORMAL},
    {kCmdOpen, ToolText_Open, 1, GMsg{""}, wxITEM_NORMAL},
    {kCmdSave, ToolText_Save, 2, GMsg{""}, wxITEM_NORMAL},
    {kCmdPrint, ToolText_Print, 3, GMsg{""}, wxITEM_NORMAL},
    {kCmdUndo, ToolText_Undo, 21, ToolTip_Undo, wxITEM_NORMAL},
    {kCmdRedo, ToolText_Redo, 22, ToolTip_Redo, wxITEM_NORMAL},
    {kModeAxis, ToolText_Axis, 17, ToolTip_Axis, wxITEM_CHECK},
    {kModeEraser, ToolText_Erase, 27, ToolTip_Erase, wxITEM_NORMAL},
    {kModeZoomIn, ToolText_ZoomIn, 30, ToolTip_ZoomIn, wxITEM_NORMAL},
    {kModeZoomOut, ToolText_ZoomOut, 31, ToolTip_ZoomOut, wxITEM_NORMAL},
    {kCmdProperty, ToolText_Property, 32, ToolTip_Property, wxITEM_NORMAL},
    {kModeInvisible, ToolText_Invisible, 16, ToolTip_Invisible, wxITEM_NORMAL},
};

// Tovik style: one tool mode at a time (a radio group), the Segment toggle
// and the Graph dialog.
const ToolDef kTovikTools[] = {
    {kModeSelect, ToolText_ModeSelect, 12, ToolTip_ModeSelect, wxITEM_RADIO},
    {kModeMove, ToolText_ModeMove, 4, ToolTip_ModeMove, wxITEM_RADIO},
    {kModeSPoint, ToolText_ModeSPoint, 5, ToolTip_ModeSPoint, wxITEM_RADIO},
    {kModeMLine, ToolText_ModeMLine, 6, ToolTip_ModeMLine, wxITEM_RADIO},
    {kModePara, ToolText_ModePara, 7, ToolTip_ModePara, wxITEM_RADIO},
    {kModePerp, ToolText_ModePerp, 8, ToolTip_ModePerp, wxITEM_RADIO},
    {kModeMid, ToolText_ModeMid, 9, ToolTip_ModeMid, wxITEM_RADIO},
    {kModeMCircle, ToolText_ModeMCircle, 10, ToolTip_ModeMCircle, wxITEM_RADIO},
    {kModeAngle, ToolText_ModeAngle, 25, ToolText_ModeAngle, wxITEM_RADIO},
    {kModeBracket, ToolText_ModeBracket, 29, ToolText_ModeBracket, wxITEM_RADIO},
    {kModeLineWithAngle, ToolText_ModeLineWithAngle, 26, ToolText_ModeLineWithAngle, wxITEM_RADIO},
    {kModeBisector, ToolText_ModeBisector, 11, ToolTip_ModeBisector, wxITEM_RADIO},
    {kModeCompass, ToolText_ModeCompass, 20, ToolText_ModeCompass, wxITEM_RADIO},
    {kModeOrbit, ToolText_ModeOrbit, 23, ToolText_ModeOrbit, wxITEM_RADIO},
    {kModeText, ToolText_ModeText, 19, ToolText_ModeText, wxITEM_RADIO},
    {kModeImage, ToolText_ModeImage, 28, ToolText_ModeImage, wxITEM_RADIO},
    {kModeTangent, ToolText_ModeTangent, 18, ToolText_ModeTangent, wxITEM_RADIO},
    {kModeCircleBy3, ToolText_ModeCircleBy3, 24, ToolText_ModeCircleBy3, wxITEM_RADIO},
    {kModeClipping, ToolText_ModeClipping, 15, ToolTip_ModeClipping, wxITEM_CHECK},
    {kModeGraph, ToolText_ModeGraph, 14, ToolText_ModeGraph, wxITEM_NORMAL},
};

// Quil and touch-panel styles: the buttons act on the selection at once;
// Text and Image arm the next placing click.
const ToolDef kQuilTools[] = {
    {kModeMLine, ToolText_ModeMLine, 6, ToolTip_ModeMLine, wxITEM_NORMAL},
    {kModeClipping, ToolText_ModeClipping, 15, ToolTip_ModeClippingQuil, wxITEM_NORMAL},
    {kModeMeet, ToolText_ModeMeet, 13, ToolTip_ModeMeet, wxITEM_NORMAL},
    {kModePara, ToolText_ModePara, 7, ToolTip_ModePara, wxITEM_NORMAL},
    {kModePerp, ToolText_ModePerp, 8, ToolTip_ModePerp, wxITEM_NORMAL},
    {kModeMid, ToolText_ModeMid, 9, ToolTip_ModeMid, wxITEM_NORMAL},
    {kModeMCircle, ToolText_ModeMCircle, 10, ToolTip_ModeMCircle, wxITEM_NORMAL},
    {kModeAngle, ToolText_ModeAngle, 25, ToolText_ModeAngle, wxITEM_NORMAL},
    {kModeBracket, ToolText_ModeBracket, 29, ToolText_ModeBracket, wxITEM_NORMAL},
    {kModeLineWithAngle, ToolText_ModeLineWithAngle, 26, ToolText_ModeLineWithAngle, wxITEM_NORMAL},
    {kModeBisector, ToolText_ModeBisector, 11, ToolTip_ModeBisector, wxITEM_NORMAL},
    {kModeTangent, ToolText_ModeTangent, 18, ToolText_ModeTangent, wxITEM_NORMAL},
    {kModeCircleBy3, ToolText_ModeCircleBy3, 24, ToolText_ModeCircleBy3, wxITEM_NORMAL},
    {kModeOrbit, ToolText_ModeOrbit, 23, ToolText_ModeOrbit, wxITEM_NORMAL},
    {kModeGraph, ToolText_ModeGraph, 14, ToolText_ModeGraph, wxITEM_NORMAL},
    {kModeText, ToolText_ModeText, 19, ToolText_ModeText, wxITEM_CHECK},
    {kModeImage, ToolText_ModeImage, 28, ToolText_ModeImage, wxITEM_CHECK},
};

template <size_t N>
void AddTools(wxToolBar* bar, const ToolDef (&tools)[N]) {
  for (const ToolDef& t : tools)
    bar->AddTool(ToolkitId(t.id), t.label, toolBarBitmap[t.bitmap], t.tip, t.kind);
}

// The tool modes of the Tovik radio group, shown released unless current.
const GToolMode kTovikModes[] = {
    kModeSPoint,   kModeMLine,   kModePara,   kModePerp,    kModeMid,          kModeMCircle,
    kModeBisector, kModeTangent, kModeText,   kModeCompass, kModeOrbit,        kModeCircleBy3,
    kModeImage,    kModeBracket, kModeSelect, kModeAngle,   kModeLineWithAngle};

// The construction buttons of the Quil bar, usable only for a fitting selection.
const GToolMode kQuilConstructions[] = {
    kModeMLine,     kModePara,  kModePerp,          kModeMid,     kModeMCircle,
    kModeBisector,  kModeMeet,  kModeClipping,      kModeTangent, kModeOrbit,
    kModeCircleBy3, kModeAngle, kModeLineWithAngle, kModeBracket};

}  // namespace

bool MyFrame::InitToolbarBMP() {
  bool ok = true;
  for (int i = 0; i < kToolbarBitmapCount; ++i) {
    toolBarBitmap[i] = wxBitmap(kToolbarImages[i]);
    ok = ok && toolBarBitmap[i].IsOk();
  }
  return ok;
}

int MyFrame::RecreateToolbar() {
  long style = 0;
  if (wxToolBar* old = GetToolBar()) {
    style = old->GetWindowStyle();
    SetToolBar(nullptr);
    delete old;
  }
  style = (style & ~wxTB_VERTICAL) | wxTB_HORIZONTAL;

  wxToolBar* bar = CreateToolBar(style, kFrameToolbarId);
  if (!m_InitToolbar) m_InitToolbar = InitToolbarBMP();
  // Each canvas keeps its own cut of the touch-panel strip.
  if (!m_Canvas->m_Painter.m_PanelButton[0].IsOk())
    m_Canvas->m_Painter.CutPanelButtons(wxBitmap(panel_button_xpm));
  bar->SetToolBitmapSize(wxSize(24, 24));
  AddTools(bar, kFrameTools);
  bar->Realize();
  bar->SetRows(1);

  if (m_ModeToolbar) {
    m_ModeToolbar->Destroy();
    m_ModeToolbar = nullptr;
  }
  m_ModeToolbar = new wxToolBar(this, wxID_ANY, wxPoint(0, 0), wxDefaultSize, style);
  m_ModeToolbar->SetMargins(2, 2);
  m_ModeToolbar->SetToolBitmapSize(wxSize(24, 24));
  if (m_Canvas->m_Tool.m_GMode == kGModeTovik) {
    AddTools(m_ModeToolbar, kTovikTools);
  } else if (m_Canvas->m_Tool.m_GMode == kGModeQuil || m_Canvas->m_Tool.m_GMode == kGModePanel) {
    AddTools(m_ModeToolbar, kQuilTools);
  }
  m_ModeToolbar->Realize();
  // The theme of the desktop may need more than 32 pixels for a row of
  // 24-pixel buttons; the canvas then starts lower so no button is cut.
  int height = std::max(32, m_ModeToolbar->GetBestSize().y);
  if (height != m_Canvas->m_Painter.m_ToolbarHeight) {
    m_Canvas->m_Painter.m_ToolbarHeight = height;
    m_Canvas->OnSize();
  }
  PlaceModeToolbar();

  enableToolbar();
  m_ToolbarBuilt = true;
  return 1;
}

void MyFrame::PlaceModeToolbar() {
  if (m_ModeToolbar)
    m_ModeToolbar->SetSize(0, 0, m_Canvas->m_Painter.m_Width, m_Canvas->m_Painter.m_ToolbarHeight);
}

void MyFrame::enableToolbar() {
  // A running slide show keeps every click for itself, also after the
  // toolbars are made anew for a new window size.
  for (wxToolBar* bar : {GetToolBar(), m_ModeToolbar})
    if (bar) bar->Enable(!m_Canvas->m_Slides.m_SlideShow);
  if (wxToolBar* bar = GetToolBar()) {
    // Zooming keeps the scale within 0.001 .. 0.1 world units per pixel.
    bar->EnableTool(ToolkitId(kModeZoomIn), m_Canvas->m_Doc->Viewport().CanZoomIn());
    bar->EnableTool(ToolkitId(kModeZoomOut), m_Canvas->m_Doc->Viewport().CanZoomOut());
    bar->ToggleTool(ToolkitId(kModeAxis), m_Canvas->m_Painter.m_AxisOn);
    bar->EnableTool(ToolkitId(kCmdUndo), CanUndo());
    bar->EnableTool(ToolkitId(kCmdRedo), CanRedo());
  }
  wxToolBar* mb = m_ModeToolbar;
  if (!mb) return;
  const GStyle gmode = m_Canvas->m_Tool.m_GMode;
  if (gmode == kGModeTovik) {
    // The pressed button is the current tool; after a style switch that is Move.
    mb->ToggleTool(ToolkitId(kModeMove), m_Canvas->m_Tool.m_Mode == kModeMove);
    for (GToolMode id : kTovikModes) mb->ToggleTool(ToolkitId(id), m_Canvas->m_Tool.m_Mode == id);
    mb->ToggleTool(ToolkitId(kModeClipping), m_Canvas->m_Tool.m_Clipping);
  } else if (gmode == kGModeQuil || gmode == kGModePanel) {
    // A construction button is usable only while the selection fits it.
    const GGesture& tools = m_Canvas->Gesture();
    for (GToolMode id : kQuilConstructions) mb->EnableTool(ToolkitId(id), tools.CanBuild(id));
    mb->ToggleTool(ToolkitId(kModeText), m_Canvas->m_Tool.m_TextArmed);
    mb->ToggleTool(ToolkitId(kModeImage), m_Canvas->m_Tool.m_ImageArmed);
  }
}
