// Radio call texts (".WTX"): any bytes give a description and lines that
// the program writes back and reads again unchanged; scheduled as a
// text-only call, the text is shown in the incident window during a run.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "fuzz_run.h"
#include "sound/call_text_file.h"
#include "sound/radio_call_file.h"

using namespace pumpdrill;

using fuzz::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CallText text;
  const int records = ReadCallText(bytes, text);
  if (records != static_cast<int>((size + kCallTextRecordBytes - 1) / kCallTextRecordBytes))
    Fail("a record of the file was not read");
  CallText again;
  ReadCallText(CallTextBytes(text), again);
  if (again.Description != text.Description || again.Lines != text.Lines)
    Fail("a call text written reads back otherwise");

  fuzz::FuzzRun r;
  {
    std::ofstream wtx(r.run.Dirs.SoundsDirectory + "FUZZ.WTX", std::ios::binary | std::ios::trunc);
    wtx.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::ofstream itx(RadioCallFilePath(r.run.Dirs.EvolutionsDirectory, r.run.CurrentEvolution),
                      std::ios::binary | std::ios::trunc);
    itx << RadioCallsText("FUZZ", {{"01", "FUZZ.WTX", "00:00", 0, CallFault::None}});
  }
  fuzz::TickAndCheck(r);
  if (r.host.incidents.size() != 1) Fail("the text-only call was not shown once");
  const IncidentCall& shown = r.host.incidents.front();
  if (shown.Caption != (text.Description.empty() ? "FUZZ" : text.Description) ||
      shown.Lines != text.Lines)
    Fail("the incident window shows another text than the file holds");
  return 0;
}
