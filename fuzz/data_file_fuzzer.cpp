// Data files (".DTA"): header and samples read whatever the bytes; the
// header's figures that the chart draws with stay numbers.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fuzz_run.h"
#include "records/data_file.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzRun r;
  const std::string path = fuzz::WriteInput(data, size, "FUZZ.DTA");
  DataFileContents contents;
  std::string reason;
  if (!ReadDataFile(path, r.s, contents, reason)) return 0;
  const TPlotSetupRec& h = contents.Header;
  for (double v : {h.PageLength, h.SampleInterval}) {
    if (!std::isfinite(v)) {
      std::fprintf(stderr, "a data file header figure is not a number\n");
      std::abort();
    }
  }
  for (const TDataSampleRec& sample : contents.Samples) {
    if (!std::isfinite(sample.Time)) {
      std::fprintf(stderr, "a data file sample without a time was kept\n");
      std::abort();
    }
  }
  return 0;
}
