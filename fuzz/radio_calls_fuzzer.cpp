// Radio call files (".ITX"): any bytes give calls whose faults are marked.
// A call without a fault has a time of minutes and seconds and a name that
// stays in the sounds folder; written back as the program writes it, it
// reads back the same; as an Evolution's file, it is scheduled sorted by
// time and its calls come during a run without any real of the state
// leaving the numbers.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "fuzz_run.h"
#include "sound/radio_call_file.h"

using namespace pumpdrill;

using fuzz::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  RadioCallFile file;
  const int count = ReadRadioCalls(bytes, file);
  if (count < 0) return 0;
  if (count != static_cast<int>(file.Calls.size())) Fail("the count is not the calls read");
  std::vector<ScheduledCall> good;
  for (const ScheduledCall& call : file.Calls) {
    if (call.Name.empty()) Fail("a call without a name was read");
    if (call.Fault != CallFault::None) continue;
    if (call.Seconds < 0 || call.Seconds > 99 * 60 + 59) Fail("a call time beyond 99:59");
    if (call.Name.find('/') != std::string::npos || call.Name.find("..") != std::string::npos ||
        call.Name.find('\\') != std::string::npos)
      Fail("a call name leaving the sounds folder was accepted");
    good.push_back(call);
  }
  if (good.size() > static_cast<std::size_t>(kMaxScheduledCalls)) Fail("over 63 calls accepted");

  RadioCallFile again;
  if (ReadRadioCalls(RadioCallsText("FUZZ", good), again) != static_cast<int>(good.size()))
    Fail("the calls written do not read back");
  for (std::size_t i = 0; i < good.size(); ++i) {
    const ScheduledCall& a = good[i];
    const ScheduledCall& b = again.Calls[i];
    if (a.Name != b.Name || a.Seconds != b.Seconds || b.Fault != CallFault::None)
      Fail("a call written reads back otherwise");
  }

  fuzz::FuzzRun r;
  {
    std::ofstream out(RadioCallFilePath(r.run.Dirs.EvolutionsDirectory, r.run.CurrentEvolution),
                      std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  fuzz::TickAndCheck(r);
  const TRadioMessagesRec& m = r.s.RadioMessages;
  for (int i = 1; i < kRadioCallCount && !m.CallFile[i].empty(); ++i)
    if (m.CallTime[i] < m.CallTime[i - 1]) Fail("the schedule is not sorted by time");
  return 0;
}
