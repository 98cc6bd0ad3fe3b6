#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/FontLibrary.h"
#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/Clock.h"
#include "platform/RecordingRenderDevice.h"

// Input events as the platform makes them.
inline TInputEvent MouseEvent(TInputKind kind, int x = 0, int y = 0, TMouseButton button = TMouseButton::Left,
                              int clicks = 1) {
  TInputEvent event;
  event.Kind = kind;
  event.X = x, event.Y = y;
  event.Button = button;
  event.Clicks = clicks;
  return event;
}
inline TInputEvent KeyEvent(TInputKind kind, int key) {
  TInputEvent event;
  event.Kind = kind;
  event.Key = key;
  return event;
}
inline TInputEvent TextEvent(const std::string& text) {
  TInputEvent event;
  event.Kind = TInputKind::Text;
  event.Text = text;
  return event;
}

// A GUI on a recording display, with a bitmap font of 8 x 10 glyph tiles holding the game's
// extended character set, a virtual clock and one page. Every widget's handlers can write what
// happens to a shared log.
struct GUIFixture : testing::Test {
  static constexpr int kCellWidth = 8, kCellHeight = 10;

  std::vector<std::string> Log;
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TFontLibrary Fonts;
  TOmegaImageList Images{Messages};
  TOmegaBitmapFont Font{Screen, Fonts};
  TVirtualClock Clock;
  TOmegaGUI GUI{Clock, &Font};
  TOmegaGUIList& Page = GUI.AddPage("GUI2");

  GUIFixture() {
    Screen.Initialize();
    Images.SetOmegaScreen(&Screen);
    AddPicture("font", kCellWidth * 16, kCellHeight * 11, kCellWidth, kCellHeight);
    AddPicture("normal", 40, 20);
    AddPicture("hover", 40, 20);
    AddPicture("pressed", 40, 20);
    AddPicture("overlay", 16, 8);
    Images.BuildTextures();
    Font.SetOmegaImageList(&Images);
    Font.SetCharacters(kExtendedFontCharacters);
    GUI.Activate();
  }

  TImageListItem& AddPicture(const std::string& name, int width, int height, int tileWidth = 0,
                             int tileHeight = 0) {
    TImageListItem& item = Images.ImageList.Add();
    item.Name = name;
    item.SetPicture({width, height, std::vector<uint32_t>(size_t(width) * size_t(height), 0xFFFFFFFF)});
    item.TileWidth = tileWidth > 0 ? tileWidth : width;
    item.TileHeight = tileHeight > 0 ? tileHeight : height;
    return item;
  }

  // A widget at that rectangle whose events are noted as "click A", "enter A", "down A right" ...
  template <class TWidget = TOmegaButton>
  TWidget& Watched(const std::string& name, int left, int top, int width, int height,
                   TOmegaGUIList* page = nullptr) {
    auto& widget = (page ? *page : Page).Add<TWidget>();
    widget.Name = name;
    widget.Left = left, widget.Top = top, widget.Width = width, widget.Height = height;
    auto note = [this, name](const std::string& what) {
      return [this, name, what](TOmegaGUIComponent&) { Log.push_back(what + " " + name); };
    };
    widget.OnClick = note("click");
    widget.OnDblClick = note("dbl");
    widget.OnMouseEnter = note("enter");
    widget.OnMouseLeave = note("leave");
    auto mouse = [this, name](const std::string& what) {
      return [this, name, what](TOmegaGUI&, TMouseButton button, TGUIShiftState, int, int) {
        static const char* const names[] = {"left", "right", "middle"};
        Log.push_back(what + " " + name + " " + names[int(button)]);
      };
    };
    widget.OnMouseDown = mouse("down");
    widget.OnMouseUp = mouse("up");
    return widget;
  }

  // Input as the platform delivers it; moves come 20 ms apart so the GUI takes each one, and a
  // button is pressed and released where the pointer was moved last.
  bool Move(int x, int y) {
    Clock.Advance(TVirtualClock::kFrequency / 50);
    PointerX = x, PointerY = y;
    return Send(MouseEvent(TInputKind::MouseMove, x, y));
  }
  bool Press(TMouseButton button = TMouseButton::Left, int clicks = 1) {
    return Send(MouseEvent(TInputKind::MouseDown, PointerX, PointerY, button, clicks));
  }
  bool Release(TMouseButton button = TMouseButton::Left) {
    return Send(MouseEvent(TInputKind::MouseUp, PointerX, PointerY, button));
  }
  int PointerX = 0, PointerY = 0;
  bool KeyDown(int key) { return Send(KeyEvent(TInputKind::KeyDown, key)); }
  bool Type(const std::string& text) { return Send(TextEvent(text)); }
  bool Send(const TInputEvent& event) { return GUI.HandleEvent(event); }

  std::vector<std::string> TakeLog() { return std::exchange(Log, {}); }
};
