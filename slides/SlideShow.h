// The slide show: sheets shown one after another while chosen elements appear
// or disappear (fading, or sliding in from or out to a window edge, with an
// optional swell). The effects are steps of the sheet's construction list.
#pragma once

#include "model/Document.h"

// A pixel rectangle of the window (left and top included, right and bottom
// the far edges).
struct GSlideBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// What the show needs from the window that shows it: the window rectangle and
// where an element is drawn (fonts and the view belong to the window).
class GSlideWindow {
 public:
  virtual ~GSlideWindow() = default;
  virtual GSlideBox Window() = 0;
  // The pixels the element of `effect` covers where it is drawn in place;
  // false when it shows nowhere.
  virtual bool Extent(const GConst* effect, GSlideBox* box) = 0;
};

enum EffectDirection { kFade = 0, kRight = 1, kLeft = 2, kTop = 3, kBottom = 4 };

// The element an effect step acts on; none when its target step is gone or
// makes no element of the effect's kind.
GObject* EffectElement(const GConst* effect);
bool IsEffect(const GConst* step);

class GSlideShow {
 public:
  GSlideShow(GDocument& doc, GSlideWindow* window) : m_Doc(doc), m_Window(window) {}

  bool m_SlideShow = false;           // running
  GConst* m_CurrentEffect = nullptr;  // the effect now running, or waiting for its click
  bool m_EffectWaiting = false;       // waits for a click

  // The start command: starts the show on the current sheet, or stops a
  // running one with every effect's element shown in its place.
  void OnSlideShowStart();
  // Prepares every effect of the list from `step` on; the first becomes current.
  void SlideShowStart(GConst* step);
  // Prepares one step; true (and it becomes current) when it is an effect.
  bool Init_anim_entry(GConst* step);
  // One tick of the current effect (one repaint).
  void Animnext();
  // Makes the next effect after the current one current: 1, or 0 when none.
  int FindNextEffectFromCns();
  // A click during the show: starts a waiting effect, or after the sheet's
  // last effect goes to the next sheet; after the last sheet the show ends.
  void Click();
  // Every effect's element of the current sheet back in place, fully shown.
  void ShowAllTargets();
  // The window changed its size (the show went full screen): the effects
  // still to come are prepared again for the new window, from the current one on.
  void WindowChanged();

 private:
  void Stop();
  GDocument& m_Doc;
  GSlideWindow* m_Window;
};

// Effect steps as the effect dialog edits them: a new effect step on the
// output of `target` (none when that output cannot have an effect), and the
// removal of every effect step of the current sheet.
GConst* AddConstEffect(GDocument& doc, GConst* target, int click, int direction, int effect,
                       int inout);
void ClearConstEffect(GDocument& doc);
