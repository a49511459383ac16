// A fixture for tests that drive the whole main window: the frame with its
// canvas, document and tools, menu commands sent as the menu sends them (the
// document's standing rules checked after each), and a folder of its own for
// the files a test writes.
#pragma once

#include <gtest/gtest.h>
#include <wx/image.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <wx/statusbr.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "gui/GuiHarness.h"
#include "interaction/MyCanvas.h"
#include "model/Invariants.h"

class WindowTest : public ::testing::Test {
 protected:
  RecordingUser* user = nullptr;
  MyFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;
  GDocument* doc = nullptr;
  GGesture* gesture = nullptr;
  std::filesystem::path dir;

  // The window as the program opens it, at `at`; shown when the test needs
  // what only a shown window has (a real toolbar, pointer events).
  void MakeWindow(wxPoint at, bool show) {
    user = LastingUser();
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), at, wxSize(950, 700), user);
    if (show) frame->Show(true);
    canvas = frame->m_Canvas;
    doc = canvas->m_Doc.get();
    gesture = &canvas->Gesture();
    char name[] = "/tmp/figuretta-window-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
  }
  void SetUp() override { MakeWindow(wxPoint(50, 50), false); }
  void TearDown() override {
    if (frame) {
      EXPECT_EQ(InvariantReport(*doc, gesture), "");
      frame->Destroy();
    }
    PumpEvents([] { return false; }, 0);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }

  void Command(int command) {
    wxCommandEvent event(wxEVT_MENU, ToolkitId(command));
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
    EXPECT_EQ(InvariantReport(*doc, gesture), "") << "after command " << command;
  }
  void Command(GToolMode mode) { Command(ModeNumber(mode)); }
  void Command(GStyle style) { Command(StyleNumber(style)); }

  // What the canvas shows, drawn afresh; and whether two pictures are the same pixel for pixel.
  wxImage Picture() {
    canvas->m_Painter.m_BgDrawn = false;
    canvas->RenderToScreenPicture();
    return canvas->ScreenPicture().ConvertToImage();
  }
  static bool Same(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
  }
  std::string Title() { return frame->GetTitle().utf8_string(); }
  std::string Status() { return frame->GetStatusBar()->GetStatusText(0).utf8_string(); }
  std::filesystem::path Write(const std::string& fileName, const std::string& text) {
    const std::filesystem::path p = dir / fileName;
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
  int FilesIn(const std::filesystem::path& d) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(d)) ++n;
    return n;
  }
};
