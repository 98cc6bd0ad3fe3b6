#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "platform/RecordingRenderDevice.h"
#include "shell/Form1.h"
#include "shell/NameEntryScreen.h"
#include "shell/OptionsScreen.h"
#include "shell/SettingsFiles.h"
#include "state/TempFolder.h"

// A window-less video system that counts the switches between window and full screen.
class TSwitchCountingVideo final : public TVideoSystem {
 public:
  explicit TSwitchCountingVideo(TRenderDevice& device) : Device(device) {}
  TOpenedDevice OpenDevice(int, int, bool) override { return {&Device, TVideoFailure::None}; }
  void SetFullScreen(bool fullScreen) override {
    FullScreen = fullScreen;
    ++Switches;
  }
  void ShowCursor(bool show) override { CursorShown = show; }
  void Beep() override {}

  bool FullScreen = false;
  bool CursorShown = false;
  int Switches = 0;

 private:
  TRenderDevice& Device;
};

// The game's form running in a folder of its own, shown and on its intro, driven frame by frame
// with input as the main loop hands it over. The settings files are the folder's own; the
// pictures, tracks and sounds, which no test here writes, are the built game's, shared through
// links.
class MenuForm : public testing::Test {
 protected:
  MenuForm() {
    for (const char* folder : {"Data", "Sounds"})
      std::filesystem::create_directory_symlink(std::filesystem::path(MORVEL_GAME_DIR) / folder,
                                                Folder / folder);
    std::filesystem::current_path(Folder.Folder());
  }
  ~MenuForm() override {
    Form.reset();
    std::filesystem::current_path(Previous);
  }

  // Starts the game with the settings file as it is in the folder.
  void Start() {
    Form = std::make_unique<TForm1>(TFormServices{Video, Clock, Messages, true, 7u, {}});
    Form->FormCreate();
    Form->FormShow();
  }

  void RunFrames(int count) {
    for (int i = 0; i < count; ++i) {
      Clock.Advance(TVirtualClock::kFrequency / 90);
      Form->RaceTimer.Poll();
      Form->OmegaTimer1.Tick();
    }
  }

  // As the main loop does: the GUI first, the form gets what the GUI leaves.
  void Send(const TInputEvent& event) {
    const bool mouse = event.Kind == TInputKind::MouseMove || event.Kind == TInputKind::MouseDown ||
                       event.Kind == TInputKind::MouseUp;
    if (mouse) Form->FormMouseMove(event.X, event.Y);
    if (Form->OmegaGUI1.HandleEvent(event)) return;
    if (event.Kind == TInputKind::KeyDown) Form->FormKeyDown(event.Key);
    if (event.Kind == TInputKind::KeyUp) Form->FormKeyUp(event.Key);
  }

  static TInputEvent Event(TInputKind kind, int x = 0, int y = 0) {
    TInputEvent event;
    event.Kind = kind;
    event.X = x;
    event.Y = y;
    return event;
  }

  void Press(int key) {
    for (TInputKind kind : {TInputKind::KeyDown, TInputKind::KeyUp}) {
      TInputEvent event = Event(kind);
      event.Key = key;
      Send(event);
    }
  }

  void Type(const std::string& text) {
    TInputEvent event = Event(TInputKind::Text);
    event.Text = text;
    Send(event);
  }

  // The button of that picture on the screen's page of buttons.
  TOmegaButton* Button(const std::string& picture) const {
    if (!Form->MenuPage) return nullptr;
    for (const auto& widget : Form->MenuPage->Components()) {
      auto* button = dynamic_cast<TOmegaButton*>(widget.get());
      if (button && button->Name == picture) return button;
    }
    return nullptr;
  }

  // A left click in the middle of the widget where it is now, then a frame.
  void Click(const TOmegaGUIComponent& widget) {
    const int x = widget.Left + widget.Width / 2, y = widget.Top + widget.Height / 2;
    for (TInputKind kind : {TInputKind::MouseMove, TInputKind::MouseDown, TInputKind::MouseUp})
      Send(Event(kind, x, y));
    RunFrames(1);
  }
  // The button of that picture, or the edit box of that name.
  void Click(const std::string& name) {
    TOmegaGUIComponent* widget = Button(name);
    if (!widget && Edit() && Edit()->Name == name) widget = Edit();
    ASSERT_NE(widget, nullptr) << name;
    Click(*widget);
  }

  // The edit box of the screen shown: the name entry's or the options'.
  TOmegaEdit* Edit() const {
    switch (Form->State.CurrentScreen) {
      case gsEnterName:
        return Form->NameEntry->Edit();
      case gsOptions:
        return Form->Options->Edit();
      default:
        return nullptr;
    }
  }

  // From the intro straight to the name entry, with the menus' background behind it.
  void SkipIntro() {
    Form->LeaveScreen(gsIntro);
    Form->EnterScreen(gsEnterName);
  }

  void ReachMainMenu(const std::string& name = "Ann") {
    SkipIntro();
    Edit()->Text = name;
    Press(13);
    RunFrames(1);
    ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  }

  // Stops every sound effect, so that the stereo path then names the next one started.
  void Hush() {
    for (int i = 0; i < Form->Sound3D.SoundList.Count(); ++i) Form->Sound3D.SoundList.Items(i).Stop();
  }
  // The effect started last since the last Hush, if any.
  std::string LastSound() const {
    const TSoundListItem* sound = Form->Sound3D.AudioPathList.Items(0).User();
    return sound ? sound->Name : "";
  }
  bool Played(const std::string& name) const {
    return Form->Sound3D.SoundList.Find(name)->AudioPath() != nullptr;
  }
  bool MenuMusicPlaying() const { return Form->Sound3D.ModList.Find("menumusic")->IsPlaying(); }

  // The settings as the file holds them now.
  TGameState SavedSettings() const {
    TGameState saved;
    EXPECT_TRUE(LoadSettings(saved));
    return saved;
  }

  // The living sprite of that name.
  TSprite* SpriteNamed(const std::string& name) const {
    for (int i = 0; i < Form->OmegaSprite1.Count(); ++i) {
      TSprite* sprite = Form->OmegaSprite1.Items(i);
      if (sprite->Name() == name && !sprite->Dead()) return sprite;
    }
    return nullptr;
  }

  TTempFolder Folder;
  std::filesystem::path Previous = std::filesystem::current_path();
  TRecordingRenderDevice Device;
  TSwitchCountingVideo Video{Device};
  TVirtualClock Clock;
  TMessageBoxes Messages{true};
  std::unique_ptr<TForm1> Form;
};
