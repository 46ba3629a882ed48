// Answer keys ("NAME.KEY"): any text read as a key, then a report computed
// against it; a key that reads gives only finite targets, lines 1..15
// within the run's lines, and a score from 0 to 100.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fuzz_run.h"
#include "records/answer_key.h"
#include "records/run_report.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteInput(data, size, "FUZZ.KEY");
  constexpr int kLines = 8;
  AnswerKey key;
  std::vector<std::string> messages;
  const bool loaded = ReadAnswerKey(path, kLines, key, messages);
  if (!loaded && messages.empty()) fuzz::Fail("an answer key that did not read gave no message");
  for (const LineTarget& t : key.lines) {
    if (t.line < 1 || t.line > kLines || !std::isfinite(t.nozzlePress) ||
        !std::isfinite(t.tolerance) || !std::isfinite(t.waterBy))
      fuzz::Fail("an answer key let a bad line target through");
  }
  if (!std::isfinite(key.duration) || !std::isfinite(key.intakeFloor))
    fuzz::Fail("an answer key let a figure that is not a number through");
  RunRecord record;
  record.lineCount = kLines;
  record.maxRpm = 2200;
  for (int i = 0; i < 8; ++i) {
    RunSample r;
    r.time = i * 30.0;
    r.flow[1] = i > 2 ? 150 : 0;
    r.nozzlePress[1] = i > 2 ? 95 + i : 0;
    record.samples.push_back(r);
  }
  const RunReport report = ComputeRunReport(record, key);
  if (!(report.score >= 0 && report.score <= 100)) fuzz::Fail("a score outside 0 to 100");
  (void)RunReportText(report);
  (void)RunReportCsvRow(report);
  return 0;
}
