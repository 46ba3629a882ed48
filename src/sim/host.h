// What the simulation core asks of the program around it. The same core
// tick runs in the windowed program, in the headless runner and in tests;
// each provides its own Host. Every method has a harmless default so a
// host only overrides what it shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pumpdrill {

// Plain: a message box without an icon.
enum class MsgType { Information, Warning, Error, Confirmation, Plain };
enum class Buttons { Ok, OkCancel, YesNo, YesCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Modal messages and questions with their exact texts.
class Alerts {
 public:
  virtual ~Alerts() = default;
  // Shows text and returns the button pressed. The default answers with the
  // first button (OK or Yes).
  virtual Answer Message(MsgType type, Buttons buttons, const std::string& text) {
    (void)type;
    (void)text;
    return buttons == Buttons::YesNo || buttons == Buttons::YesCancel ||
                   buttons == Buttons::YesNoCancel
               ? Answer::Yes
               : Answer::Ok;
  }
  // Shows a message with an OK button without waiting for it to be read,
  // so that a run goes on (the default shows it as Message does).
  virtual void Notify(MsgType type, const std::string& text) { Message(type, Buttons::Ok, text); }
};

// Sound cue numbers of the sound layer.
enum SoundCueNo : int {
  SND_ALL = -1,
  SND_ENG_START = 0,
  SND_ENG_LOOP_SET_THROTTLE = 1,
  SND_ENG_STOP = 2,
  SND_PRIMER_START = 3,
  SND_PRIMER_PRIMING_LOOP = 4,
  SND_PRIMER_PRIMED_LOOP = 5,
  SND_PRIMER_PRIMED_END = 6,
  SND_PRIMER_NOT_PRIMED_END = 7,
  SND_START_SIM = 8,
  SND_COMPLETED_SIM = 9,
  SND_RESUME_SIM = 10,
  SND_WATER_HAMMER = 11,
  SND_PRIORITY_RADIO_CALL = 12,
  SND_GENERAL_RADIO_CALL = 13,
};
constexpr int SoundCueStopAll = 90;
constexpr int SoundCueStop = 91;

// The one operation through which sounds are played or stopped.
class SoundCues {
 public:
  virtual ~SoundCues() = default;
  // param: SoundCueStopAll, SoundCueStop, or a play request whose value is
  // the playback frequency in Hz for cues 0 and 1 (-1 leaves it).
  virtual void SoundCue(int cue, int param, bool flag = false, const std::string& file = {}) {
    (void)cue;
    (void)param;
    (void)flag;
    (void)file;
  }
  // Whether the cue is sounding now (radio calls wait for one another).
  virtual bool CuePlaying(int cue) {
    (void)cue;
    return false;
  }
  // A priority radio call outside the schedule (the tender's arrival). Hosts
  // that show calls as text decide, as the radio step does, whether it is
  // heard or read; by default it is played as cue 12.
  virtual void PriorityRadioCall(const std::string& file) {
    SoundCue(SND_PRIORITY_RADIO_CALL, -1, false, file);
  }
};

// What the panel's primed indicator shows at draft.
enum class PrimedShown { Hidden, NotPrimed, Primed };

// The run buttons of the main window: at most one of them is shown down.
enum class RunButton { None = 0, Start = 1, Pause = 2, Stop = 3 };

// A radio call shown as text in the incident window.
struct IncidentCall {
  std::string Caption;             // the call's description, or its base name
  std::vector<std::string> Lines;  // the exact text
  std::string Time;                // the run time the main window showed when it came
};

// Refresh requests from the simulation and the run control to whatever
// displays them. Each window adds the notifications it needs here; the
// windowed program forwards each to its window, which ignores it while it
// is not shown.
class Display {
 public:
  virtual ~Display() = default;
  // Shows or hides the panel's cavitation indicator.
  virtual void CavitationIndicator(bool shown) { (void)shown; }
  // The foam concentrate drawn has changed: redraw the proportioner's display.
  virtual void RefreshProportionerDisplay() {}
  // The tank's level state changed: the tank level lamps are to be redrawn.
  virtual void TankLevelChanged() {}
  // Shows the primed indicator as given, or hides it.
  virtual void PrimedIndicator(PrimedShown shown) { (void)shown; }

  // Run panel of the main window.
  virtual void ShowRunButtons(RunButton down) { (void)down; }
  virtual void EnableTimer(bool on) { (void)on; }  // the 15 ms tick runs only while on
  virtual void ShowElapsedTime(const std::string& text) { (void)text; }
  virtual void UpdateEvolutionLabel() {}

  // Evolutions and their panel: after an Evolution load (whether or not it
  // worked) the panel file that PumpControl.PanelFileName names is loaded
  // and the panel rebuilt; before a Save Evo As the panel's own Save As may
  // be run, which returns true when the panel was saved.
  virtual void AttachEvolutionPanel() {}
  virtual bool SavePanelAs() { return false; }

  // Tick refreshes, in the order the tick calls them.
  virtual void RefreshChangedPumpControls() {}  // throttle, relief valve, governor display
  virtual void RefreshFlaggedPanelWidget() {}
  virtual void RefreshChangedLineWidgets() {}  // line widgets and the governor display
  virtual void RefreshGauges() {}              // every 0.15 s of simulated time
  virtual void RefreshNozzleWindow() {}        // when the nozzle roll window is shown

  // Run start, pause, end and re-initialisation.
  virtual void LeavePanelDesign() {}
  virtual void StartBurnHouseWindow() {}    // a new run starts while the burn house is shown
  virtual void RestartBurnHouseWindow() {}  // re-initialisation while it is shown
  virtual void RefreshPanelForRun() {}      // the panel's running appearance
  // The run was terminated: the panel shows needles at 0, readouts 0.0 and
  // dark lamps at once.
  virtual void RunTerminated() {}
  virtual void RefreshFoamSetup() {}        // when the foam setup window is shown
  // The foam setup changed: the panel shows, places and draws its foam
  // items again.
  virtual void FoamSetupChanged() {}
  virtual void CloseStudentsWindow() {}
  virtual void RebuildPanelItems() {}
  virtual void RefreshPanelAfterInit() {}  // widgets, transient display state and gauges
  virtual void SelectPanelTab() {}         // setup tab set to 'Panel', panel window in front

  // Each step of the main tick announces itself here as it starts, by the
  // name it has in the tick; for diagnostics and tests.
  virtual void TickStep(const char* step) { (void)step; }

  // Waits while the windows go on handling their messages (the pause after
  // an initialisation). Hosts without windows return at once.
  virtual void WaitProcessingMessages(double seconds) { (void)seconds; }

  // Strip chart: the newest sample of the page is to be drawn.
  virtual void ChartAddPoint() {}
  // Strip chart: a page was turned or restarted; it is drawn again whole.
  virtual void ChartRepaint() {}
  // Strip chart: the data file's name, size or point count changed.
  virtual void ChartInfoChanged() {}
  // Strip chart: the run ended and its graph is complete.
  virtual void ChartFinished() {}
  // Whether ChooseDataSaveName can ask anyone (hosts without dialogs cannot).
  virtual bool CanChooseDataSaveName() { return false; }
  // The name to save a data record under, proposed in folder; nothing when cancelled.
  virtual std::optional<std::string> ChooseDataSaveName(const std::string& folder, const std::string& proposed) {
    (void)folder;
    (void)proposed;
    return std::nullopt;
  }
  // A line was connected or disconnected in its setup: the panel redraws it.
  virtual void RedrawPanelLine(int line) { (void)line; }
  // A setup window changed what the panel's gauges or lamps show (oil and
  // coolant settings): the panel's displays are to be redrawn.
  virtual void RefreshPanelDisplays() {}
  // A radio call that is not heard (text only, or no sound): the incident
  // window shows it, without taking the keyboard from the panel.
  virtual void ShowIncidentCall(const IncidentCall& call) { (void)call; }
};

// Time as the run clock and the records see it. The defaults read the
// system's clocks; tests and the headless runner substitute their own.
class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since midnight with the fraction (time stamps).
  virtual double TimeOfDaySeconds();
  // Seconds on a clock that never goes backwards (the run clock): a run
  // that goes on over midnight keeps counting.
  virtual double MonotonicSeconds();
  // Today's date as the user writes it in short; by default "YYYY-MM-DD".
  virtual std::string ShortDateText();
};

// Now, in local time, written by strftime's format ("" when it does not fit
// 63 characters).
std::string LocalTimeText(const char* format);

class Host : public Alerts, public SoundCues, public Display, public Clock {
 public:
  ~Host() override = default;
};

// A host that shows nothing and answers every question with its first button.
class NullHost : public Host {};

}  // namespace pumpdrill
