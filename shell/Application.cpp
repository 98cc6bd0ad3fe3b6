#include "shell/Application.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "engine/FatalError.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/RecordingRenderDevice.h"
#include "platform/SdlVideo.h"
#include "race/GameConstants.h"
#include "shell/Form1.h"
#include "shell/GameFolder.h"
#include "shell/InputScript.h"

namespace {

namespace fs = std::filesystem;

// The game reads and writes its files relative to its own folder: the one named by --data-dir,
// else the one found from the program's folder (the build's game folder or an installed game's).
bool EnterGameFolder(const std::string& dataDir) {
  std::error_code error;
  fs::path folder = dataDir.empty() ? FindGameFolder(fs::read_symlink("/proc/self/exe", error).parent_path())
                                    : fs::path(dataDir);
  if (!error) fs::current_path(folder, error);
  if (error)
    std::fprintf(stderr, "Morvel Racing: cannot use the game folder %s: %s\n", folder.c_str(),
                 error.message().c_str());
  return !error;
}

// Files the command line names to be written (screenshots, the trace) are relative to the folder
// the game was started from, not to the game folder it changes into.
TCommandLine WithOutputsFromHere(TCommandLine options) {
  for (TScreenshotRequest& shot : options.Screenshots) shot.Path = fs::absolute(shot.Path).string();
  std::string& trace = options.RaceRun.TracePath;
  if (!trace.empty()) trace = fs::absolute(trace).string();
  return options;
}

bool LoadScript(const std::string& path, TInputScript& script) {
  if (path.empty()) return true;
  std::ifstream in(path);
  std::string error = "cannot open it";
  auto parts = in ? ParseInputScript(in, error) : std::nullopt;
  if (!parts) {
    std::fprintf(stderr, "Morvel Racing: script %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  script = TInputScript(std::move(*parts));
  return true;
}

// One pass of the main loop after another: window and script input into the form's handlers,
// the race clock, then the frame timer. An exception from a handler or a frame is shown and
// the game goes on; only a fatal error ends it. A signal to end is taken right after the window's
// input: the game saves and the loop stops at once.
class TMainLoop {
 public:
  TMainLoop(const TCommandLine& options, TForm1& form, TSdlVideo* video, TMessageBoxes& messages,
            TVirtualClock* virtualClock, TInputScript script, const TQuitSignals& signals)
      : Options(options),
        Signals(signals),
        Form(form),
        Video(video),
        Messages(messages),
        VirtualClock(virtualClock),
        Script(std::move(script)) {}

  void Run() {
    while (!Quit) {
      if (VirtualClock) VirtualClock->Advance(TVirtualClock::kFrequency / 90);
      Events.clear();
      if (Video) Video->PollEvents(Events);
      if (Signals.Received()) {
        Guarded([&] { Form.QuitAtOnce(); });
        break;
      }
      int frame = Form.OmegaTimer1.TotalFrames();
      for (TInputEvent& event : Script.Take(frame, Form.State.CurrentScreen))
        Events.push_back(std::move(event));
      for (const TInputEvent& event : Events) Guarded([&] { Dispatch(event); });
      for (const TScreenshotRequest& shot : Options.Screenshots)
        if (shot.Frame == frame) Form.OmegaScreen1.RequestScreenshot(shot.Path);
      Guarded([&] { Form.RaceTimer.Poll(); });
      Guarded([&] { Form.OmegaTimer1.Tick(); });
      if (Form.Closing()) {
        if (Script.Waiting()) ReportUnfinishedScript();
        break;
      }
      if (Options.Frames && Form.OmegaTimer1.TotalFrames() >= *Options.Frames) {
        ReportUnfinishedScript();
        break;
      }
      if (!VirtualClock) Sleep();
    }
  }

 private:
  // A run cut off by its frame limit says what its script had not given yet, and a game that
  // quits says so when its script still waits for a screen: a script that lost its way would
  // otherwise end as quietly as one that went through.
  void ReportUnfinishedScript() const {
    if (const std::string left = Script.Unfinished(); !left.empty())
      std::fprintf(stderr, "Morvel Racing: script: the run ended at frame %d, %s\n",
                   Form.OmegaTimer1.TotalFrames(), left.c_str());
  }

  template <typename F>
  void Guarded(F&& step) {
    try {
      step();
    } catch (const TFatalError&) {
      throw;
    } catch (const std::exception& e) {
      Messages.Show("Morvel Racing", e.what());
    }
  }

  // The mouse position is the system's, whoever takes the event; the GUI sees every event
  // before the form and keeps the mouse presses and text it handles.
  void Dispatch(const TInputEvent& event) {
    const bool mouse = event.Kind == TInputKind::MouseMove || event.Kind == TInputKind::MouseDown ||
                       event.Kind == TInputKind::MouseUp;
    if (mouse) Form.FormMouseMove(event.X, event.Y);
    if (Form.OmegaGUI1.HandleEvent(event)) return;
    switch (event.Kind) {
      case TInputKind::KeyDown:
        Form.FormKeyDown(event.Key);
        break;
      case TInputKind::KeyUp:
        Form.FormKeyUp(event.Key);
        break;
      case TInputKind::MouseDown:
        Form.FormMouseDown(event.Button, event.X, event.Y);
        break;
      case TInputKind::Quit:
        Quit = Form.FormCloseQuery();
        break;
      default:
        break;
    }
  }

  // Sleeps until just before the next frame is due and polls only the last moment. How late a
  // sleeping thread wakes differs from machine to machine (a few hundred microseconds on a
  // virtual machine), so the loop learns it and wakes that much earlier.
  void Sleep() {
    using namespace std::chrono;
    const TOmegaTimer& timer = Form.OmegaTimer1;
    const int64_t ticks = timer.TicksUntilNextFrame();
    const nanoseconds remaining(ticks * 1'000'000'000 / std::max<int64_t>(1, timer.ClockFrequency()));
    constexpr nanoseconds kPollWindow = microseconds(100);
    const nanoseconds request = remaining - WakeLatency - kPollWindow;
    if (request <= nanoseconds::zero()) {
      std::this_thread::yield();
      return;
    }
    const auto start = steady_clock::now();
    std::this_thread::sleep_for(request);
    const nanoseconds late = std::max(nanoseconds::zero(), steady_clock::now() - start - request);
    WakeLatency += (late - WakeLatency) / 8;
  }

  const TCommandLine& Options;
  const TQuitSignals& Signals;
  TForm1& Form;
  TSdlVideo* Video;
  TMessageBoxes& Messages;
  TVirtualClock* VirtualClock;
  TInputScript Script;
  std::vector<TInputEvent> Events;
  bool Quit = false;
  std::chrono::nanoseconds WakeLatency{0};
};

}  // namespace

int RunGame(const TCommandLine& commandLine, const TQuitSignals& signals) {
  const TCommandLine options = WithOutputsFromHere(commandLine);
  if (const auto& race = options.RaceRun.Race;
      race && (race->Track >= kTrackCount || race->Car >= kCarCount)) {
    std::fprintf(stderr, "Morvel Racing: --race: there are tracks 0 to %d and cars 0 to %d\n",
                 kTrackCount - 1, kCarCount - 1);
    return 2;
  }
  TInputScript script;
  if (!LoadScript(options.ScriptPath, script)) return 2;
  if (!EnterGameFolder(options.DataDir)) return 2;

  TMessageBoxes messages(options.Headless, &signals);
  std::unique_ptr<TSdlVideo> sdlVideo;
  std::unique_ptr<TNullRenderDevice> nullDevice;
  std::unique_ptr<TVideoSystem> deviceOnly;
  TVideoSystem* video = nullptr;
  if (options.Headless && options.Render == THeadlessRender::Null) {
    nullDevice = std::make_unique<TNullRenderDevice>(800, 600);
    deviceOnly = std::make_unique<TDeviceOnlyVideo>(nullDevice.get());
    video = deviceOnly.get();
  } else {
    TVideoOptions videoOptions{options.Headless, options.Render == THeadlessRender::Software
                                                     ? TRenderKind::Software
                                                     : TRenderKind::Gl};
    sdlVideo = std::make_unique<TSdlVideo>(videoOptions);
    video = sdlVideo.get();
  }

  TMonotonicClock realClock;
  TVirtualClock virtualClock;
  const TClock& clock = options.VirtualClock ? static_cast<const TClock&>(virtualClock) : realClock;
  TForm1 form({*video, clock, messages, options.Headless, options.Seed, options.RaceRun});
  try {
    form.FormCreate();
    form.FormShow();
    TMainLoop(options, form, sdlVideo.get(), messages, options.VirtualClock ? &virtualClock : nullptr,
              std::move(script), signals)
        .Run();
    form.FormDestroy();
  } catch (const TFatalError&) {
    return 1;
  }
  return form.ExitStatus();
}
