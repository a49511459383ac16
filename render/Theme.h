// Appearance records filled by the themes: point styles (bitmap strips or
// concentric discs), line styles (a pattern repeated along the course), the
// background tile with its colour, and the whole appearance state of a canvas.
#pragma once

#include <memory>
#include <vector>

#include "model/Modes.h"
#include "render/Surface.h"

constexpr int kStyleCount = 36;       // built-in point and line styles
constexpr int kBackgroundCount = 12;  // names offered for the background
constexpr int kSlots = 5;             // style slots of a theme
constexpr int kMaxLayerVertices = 20;
constexpr int kMaxLayers = 6;

// Names shown in the Customize dialog.
extern const char* const kStyleNames[kStyleCount];
extern const char* const kBackgroundNames[kBackgroundCount];

// One point style: either frames cut from a pair of picture strips (frames
// side by side, the frame size being the strip height; see-through where the
// strip's background was) or three concentric discs. The strips are decoded
// when a point first needs them, not when a theme names the style: a theme
// names five styles and most figures show one or two. Copies share the decoded
// frames, so the pictures keep their numbers in every copy.
class PtBmp {
 public:
  int style = -1;
  bool bitmapMode = false;
  GRgb c1, c2, c3;  // disc colours: hilight ring, body, highlight
  int r1 = 0, r2 = 0, r3 = 0;
  void LoadData(int style);
  const std::vector<GRaster>& NormalFrames() const { return Frames(false); }
  const std::vector<GRaster>& HilightFrames() const { return Frames(true); }

 private:
  // Each strip is decoded when first asked for: most figures show no
  // hilighted point.
  struct Strips {
    bool decoded[2] = {false, false};
    std::vector<GRaster> frames[2];  // normal, hilight
  };
  const std::vector<GRaster>& Frames(bool hilight) const;
  std::shared_ptr<Strips> m_Strips;
};

// One layer of a line pattern: two vertices make a plain stroke along the
// course, more make a polygon repeated every period (u along, v across).
struct GLnLayer {
  int n = 0;
  GPix v[kMaxLayerVertices];
  GRgb colour;
};

class GLnRgn {
 public:
  int style = -1;
  double period = 20;  // a: pattern period in pixels
  double margin = 0;   // m: how far the pattern runs past the window border
  int layers = 0;      // layer 0 is drawn only for hilighted elements
  GLnLayer layer[kMaxLayers];
  void SetLnRgn(int style);
};

class BGBmp {
 public:
  int number = -1;
  GRaster tile;
  int width = 256, height = 192;
  GRgb colour;
  void LoadData(int n);
};

// Everything a theme decides.
struct GAppearance {
  GTheme theme = THM_STANDARD;
  int pointStyle[kSlots] = {0, 1, 2, 3, 4};
  PtBmp point[kSlots];
  int lineStyle[kSlots] = {0, 1, 2, 3, 4};
  GLnRgn line[kSlots];
  int background = 0;
  BGBmp bg;
  GRgb text, pointName, hilightFrame, axis, tick;

  const PtBmp& PointSlot(int i) const { return point[(unsigned)i < kSlots ? i : 0]; }
  const GLnRgn& LineSlot(int i) const { return line[(unsigned)i < kSlots ? i : 0]; }
};

// The theme's fixed choices; false for numbers that are no theme (THM_RAILROAD).
struct GThemeData {
  int styles[kSlots];
  int background;
  GRgb text, hilightFrame, axis;
};
bool ThemeData(GTheme theme, GThemeData* out);
// Colour of background n (0..8).
GRgb BackgroundColour(int n);
// Fills the disc colours and radii of a disc style (16..35); false otherwise.
bool DiscStyle(int style, PtBmp* p);
