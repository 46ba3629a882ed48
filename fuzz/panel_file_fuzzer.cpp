// Any panel file through TransferPanelConfiguration: loaded into the
// default panel, saved again and loaded once more; the line count stays a
// count of lines, and a run on the state the file left stays in numbers.
#include <cstdlib>

#include "fuzz_run.h"
#include "panel/controls/panel_controls.h"
#include "panel/file/panel_file.h"
#include "panel/panel_layout.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzRun r;
  fuzz::WriteInput(data, size, "FUZZ.PNL");
  PanelLayout layout = DefaultPanelLayout();
  PanelControls pc;
  PanelFileTarget t{r.s, layout, pc, fuzz::ScratchFolder().string() + "/", {}};
  t.screen.MainVisible = true;
  t.screen.MainWindow = {10, 10, 800, 600};
  t.screen.ScreenWidth = 1024;
  t.screen.ScreenHeight = 768;
  t.screen.Available = {0, 0, 1024, 740};
  for (const char* name : {"FUZZ.PNL", "FUZZ2.PNL"}) {
    TransferPanelConfiguration(t, name, kPanelFileLoad, r.host);
    const int lines = r.s.DischargeList.LineCount;
    if (lines < 1 || lines > 15) std::abort();
    TransferPanelConfiguration(t, "FUZZ2.PNL", kPanelFileSave, r.host);
  }
  fuzz::TickAndCheck(r);
  return 0;
}
