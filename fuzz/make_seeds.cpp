// Writes the seed corpus of every harness into the folder given, each file
// made by the program's own writer from the built-in defaults:
//   make-fuzz-seeds fuzz/corpus
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/configuration.h"
#include "frame/evolution_earlier.h"
#include "frame/evolution_file.h"
#include "fuzz_run.h"
#include "panel/controls/panel_controls.h"
#include "panel/file/panel_file.h"
#include "panel/image_library.h"
#include "panel/panel_layout.h"
#include "records/answer_key.h"
#include "records/data_file.h"
#include "records/plot_setup.h"
#include "sound/call_text_file.h"
#include "sound/radio_call_file.h"

using namespace pumpdrill;
namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& p, const std::vector<Byte>& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& p, const std::string& text) {
  WriteBytes(p, std::vector<Byte>(text.begin(), text.end()));
}

std::vector<Byte> ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<Byte>(std::istreambuf_iterator<char>(in), {});
}

// A WAV file of n frames of a falling ramp.
std::vector<Byte> Wav(int channels, int bits, int rate, int frames) {
  const int block = channels * bits / 8;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * block);
  std::vector<Byte> w;
  auto put = [&w](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) w.push_back(static_cast<Byte>(v >> (8 * i)));
  };
  auto tag = [&w](const char* t) { w.insert(w.end(), t, t + 4); };
  tag("RIFF");
  put(36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(channels), 2);
  put(static_cast<std::uint32_t>(rate), 4);
  put(static_cast<std::uint32_t>(rate * block), 4);
  put(static_cast<std::uint32_t>(block), 2);
  put(static_cast<std::uint32_t>(bits), 2);
  tag("data");
  put(dataBytes, 4);
  for (std::uint32_t i = 0; i < dataBytes; ++i) w.push_back(static_cast<Byte>(255 - i * 7));
  return w;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-fuzz-seeds CORPUS_FOLDER\n");
    return 2;
  }
  const fs::path out = argv[1];
  fuzz::FuzzRun r;
  const fs::path scratch = fuzz::ScratchFolder();

  // Evolutions: the defaults as saved, and as a file of the earlier layout.
  const fs::path evo = scratch / "DEFAULT.EVO";
  if (!SaveEvolution(r.s, evo.string(), r.host)) return 1;
  WriteBytes(out / "evolution" / "default.evo", ReadBytes(evo));
  WriteBytes(out / "evolution" / "earlier.evo", EarlierEvolutionBytes(r.s, "1.0", "3.91", r.s.DischargeList.LineCount));

  // The configuration as the program writes it at its first start.
  Configuration cfg;
  const fs::path ini = scratch / "Tw.INI";
  WriteConfiguration(ini, cfg, r.s.ShowOptions);
  WriteIniList(ini, "Hose Diameters", cfg.HoseDiamEnglish);
  WriteIniList(ini, "Hose Friction", cfg.HoseFriction);
  WriteBytes(out / "configuration" / "Tw.INI", ReadBytes(ini));
  WriteBytes(out / "ini_file" / "Tw.INI", ReadBytes(ini));
  WriteText(out / "ini_file" / "odd.ini",
            "; comment\n[A]\nkey = value\n\n[B]\nx=1\ny\n=z\n[A]\nkey=again\n");

  // The system's file naming a shared classroom folder, and one of no use.
  {
    AnswerKey key;
    key.duration = 120;
    key.intakeFloor = 20;
    key.lines = {{3, 100, 10, 30}, {5, 100, 10, 30}};
    std::string error;
    fs::create_directories(out / "answer_key");
    WriteAnswerKey((out / "answer_key" / "HYDRANT.KEY").string(), key, error);
  }
  WriteText(out / "answer_key" / "hand-written.KEY",
            "; answer key\n[Key]\nDuration=600  ; s\nIntakeFloor=-10\n[Never]   ; 1 = deduction\n"
            "Cavitation=1\nWaterHammer=0\n[Line 1]\nNozzlePressure=50\nTolerance=5\nWaterBy=45\n"
            "[Line 16]\nNozzlePressure=100\n[line 2]\nNozzlePressure=abc\n");
  WriteText(out / "system_config" / "shared.conf", "[Directories]\nMain Dir = /srv/pumpdrill\n");
  WriteText(out / "system_config" / "relative.conf", "[directories]\nmain dir=class/rec\n");

  // A data file of a header and two samples.
  const fs::path dta = scratch / "SEED.DTA";
  fs::remove(dta);
  if (WriteDataFileHeader(dta.string(), DefaultPlotSetup(r.s)) != WriteStep::Done) return 1;
  TDataSampleRec samples[2] = {TakeSample(r.s, 0.0, 1), TakeSample(r.s, 1.0, 2)};
  std::string reason;
  if (!AppendDataSamples(dta.string(), samples, 2, reason)) return 1;
  WriteBytes(out / "data_file" / "two-samples.DTA", ReadBytes(dta));

  // A picture library of two small entries.
  const fs::path dll = scratch / "seed.dll";
  if (!WriteImageLibrary(dll.string(), {{"LAMP_ON", std::string("\x89PNG\r\n\x1a\n", 8) + "tiny"},
                                        {"KNOB", "BM"}}))
    return 1;
  WriteBytes(out / "image_library" / "two-pictures.dll", ReadBytes(dll));

  // Panel files: the default panel as saved, and one with every optional
  // part (wheels, governor, foam with air valves, plates).
  {
    PanelLayout layout = DefaultPanelLayout();
    PanelControls pc;
    PanelFileTarget t{r.s, layout, pc, scratch.string() + "/", {}};
    t.screen.MainVisible = true;
    t.screen.MainWindow = {10, 10, 800, 600};
    t.screen.ScreenWidth = 1024;
    t.screen.ScreenHeight = 768;
    if (!TransferPanelConfiguration(t, "DEFAULT.PNL", kPanelFileSave, r.host).Done) return 1;
    WriteBytes(out / "panel_file" / "default.PNL", ReadBytes(scratch / "DEFAULT.PNL"));
    State& s = r.s;
    s.DischargeList.LineCount = 12;
    SetValveHandleType(pc, layout, s, 2, 14, r.host);
    SetValveHandleType(pc, layout, s, 3, 10, r.host);
    SetValveHandleType(pc, layout, s, 4, 12, r.host);
    SelectThrottle(pc, layout, s, 72, r.host);
    ApplyPressureControlStyle(pc, layout, s, 10, 400, 120, r.host);
    s.FoamSetup.SYS_TYPE = kFoamDirectInjection;
    s.FoamSetup.NR_TANKS = 2;
    s.FoamSetup.TANK_CAP = 20;
    s.FoamSetup.USE_CAFS = 1;
    for (int n : {1, 2, 11}) {
      s.FoamSetup.FOAM_LINES.Add(n);
      s.FoamSetup.CAFS_AIR_V_SEL.Add(n);
    }
    layout.Plates[3] = {true, 2, {100, 200, 0, 0, true}};
    layout.Plates[12] = {true, 3, {300, 250, 0, 0, true}};
    if (!TransferPanelConfiguration(t, "FULL.PNL", kPanelFileSave, r.host).Done) return 1;
    WriteBytes(out / "panel_file" / "full.PNL", ReadBytes(scratch / "FULL.PNL"));
  }

  // Sounds: 8-bit mono and 16-bit stereo.
  WriteBytes(out / "wav" / "mono8.wav", Wav(1, 8, 11025, 16));
  WriteBytes(out / "wav" / "stereo16.wav", Wav(2, 16, 22050, 8));

  // Radio calls: an Evolution's schedule as the dialog writes it, and a
  // hand-edited one out of time order with a bad time, a bad name and a
  // missing NAME that ends the list.
  WriteText(out / "radio_calls" / "three-calls.ITX",
            RadioCallsText("DEFAULT", {{"01", "ENGINE1.WAV", "", 30, CallFault::None},
                                       {"02", "ALARM.WTX", "", 95, CallFault::None},
                                       {"03", "MAYDAY.WAV", "", kNoTimeSeconds, CallFault::None}}));
  WriteText(out / "radio_calls" / "hand-edited.ITX",
            "[Incident and Command Radio Files for Evolution: Drill]\nrel=2.0\n"
            "[01]\nNAME=LATE.WAV\nTIME=02:00\n[02]\nname = early.wtx\ntime = 00:05\n"
            "[03]\nNAME=BAD.WAV\nTIME=1:75\n[04]\nNAME=../UP.WAV\nTIME=00:10\n"
            "[05]\nTIME=00:20\n[06]\nNAME=NEVER.WAV\n");
  // Call texts: a description and lines, one over a record long.
  WriteText(out / "call_text" / "two-lines.WTX",
            CallTextBytes({"Second alarm", {"Engine 7 to command: water on the fire.",
                                            std::string(300, 'x') + " \xc3\xa9"}}));
  WriteText(out / "call_text" / "description-only.WTX", CallTextBytes({"Tender arriving", {}}));

  // A script with every command.
  WriteText(
      out / "script" / "every-command.txt",
      "# every command once\n0 throttle 1500\n0.5 valve 1 0.75\n1 nozzle 1 1\n1 primer on\n1.5 "
      "primer off\n"
      "2 control governor\n2 governor pressure 150\n2 governor rpm 1800\n2.5 control relief\n"
      "2.5 relief on\n2.5 relief 175\n3 transfer volume\n3 cooler on\n3 fill tank\n3 check supply\n"
      "3 replace suction\n3 reconnect discharge\n3.5 repair 5\n4 set Pump.GearRatio 2.5\n"
      "4 set DischargeList.LineTitle[2] Attack #2\n4 pump idle 700\n4 pump stages 2\n5 "
      "terminate\n");

  // Burn-house entries: the flag line, then one entry a line.
  WriteText(out / "burn_house" / "barn.txt", "f\n40\n30\n12\n20\n6\n50\n8\n9600\nbarn\n");
  WriteText(out / "burn_house" / "total.txt", "t\n40\n30\n12\n20\n6\n50\n8\n9600\nshed\n");
  return 0;
}
