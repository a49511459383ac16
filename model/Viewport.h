// GViewport: the part of the world plane a document is shown in, as the core
// needs it — world units per pixel, the bounds, the pick distances that
// follow the scale, the window's size, and the zoom limits and arithmetic.
#pragma once

class GViewport {
 public:
  // A zoom never goes past these (world units per pixel).
  static constexpr double kMinScale = 0.001;
  static constexpr double kMaxScale = 0.1;

  double Scale() const { return m_Scale; }
  double XMin() const { return m_XMin; }
  double XMax() const { return m_XMax; }
  double YMin() const { return m_YMin; }
  double YMax() const { return m_YMax; }
  // How near (world units) a click must be to hit an element; its square.
  double PickDistance() const { return m_PickDistance; }
  double PickDistance2() const { return m_PickDistance2; }
  // The size of the window the document is shown in, which files record.
  int WindowWidth() const { return m_WindowWidth; }
  int WindowHeight() const { return m_WindowHeight; }

  bool CanZoomIn() const { return m_Scale > kMinScale; }
  bool CanZoomOut() const { return m_Scale < kMaxScale; }
  // One zoom step by `factor` within the limits; true when the view changed.
  // The centre of the view stays in place.
  bool ZoomIn(double factor) {
    if (!(factor > 0) || !CanZoomIn()) return false;
    ScaleAroundCentre(1.0 / factor);
    return true;
  }
  bool ZoomOut(double factor) {
    if (!(factor > 0) || !CanZoomOut()) return false;
    ScaleAroundCentre(factor);
    return true;
  }
  // Multiplies the world size of a pixel by k, whatever the limits, keeping
  // the centre of the view; the pick distance follows.
  void ScaleAroundCentre(double k) {
    m_Scale *= k;
    SetPickDistance(m_PickDistance * k);
    const double cx = (m_XMin + m_XMax) / 2, cy = (m_YMin + m_YMax) / 2;
    m_XMin = cx + (m_XMin - cx) * k;
    m_XMax = cx + (m_XMax - cx) * k;
    m_YMin = cy + (m_YMin - cy) * k;
    m_YMax = cy + (m_YMax - cy) * k;
  }
  // A file written for a window `ratio` times as high as this one's: the
  // scale, pick distance and bounds (centred on the world origin) are divided
  // by it, unless the view is already at its finest.
  void FitToWindowRatio(double ratio) {
    if (m_Scale > kMinScale) {
      m_Scale /= ratio;
      m_PickDistance /= ratio;
      m_XMin /= ratio;
      m_XMax /= ratio;
      m_YMin /= ratio;
      m_YMax /= ratio;
    }
    SetPickDistance(m_PickDistance);
  }

  // The view a canvas starts with: 0.01 units per pixel, picks within 0.1.
  void Reset() {
    m_Scale = 0.01;
    SetPickDistance(0.1);
  }
  void SetScale(double scale) { m_Scale = scale; }
  // Hidden elements drawn faintly and open to choosing; a way of looking,
  // not part of the figure, so it is neither saved nor undone.
  bool ShowHidden() const { return m_ShowHidden; }
  void SetShowHidden(bool on) { m_ShowHidden = on; }
  void SetPickDistance(double d) {
    m_PickDistance = d;
    m_PickDistance2 = d * d;
  }
  void SetBounds(double xMin, double xMax, double yMin, double yMax) {
    m_XMin = xMin;
    m_XMax = xMax;
    m_YMin = yMin;
    m_YMax = yMax;
  }
  void SetWindowSize(int width, int height) {
    m_WindowWidth = width;
    m_WindowHeight = height;
  }

 private:
  friend class GDocImage;
  double m_Scale = 0.01;
  bool m_ShowHidden = false;
  double m_XMin = -4.75, m_XMax = 4.75, m_YMin = -2.75, m_YMax = 2.75;
  double m_PickDistance = 0.1;
  double m_PickDistance2 = 0.01;
  int m_WindowWidth = 950, m_WindowHeight = 550;
};
