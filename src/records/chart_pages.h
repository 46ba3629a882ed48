// The pages of the strip chart. A stored record is cut into pages by the
// recording's own rule, so it pages as it was drawn while it was taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/recording_state.h"

namespace pumpdrill {

// One page: its start time and the samples [first, first + count) of the
// sequence it was cut from.
struct ChartPage {
  std::int64_t Start = 0;
  std::size_t First = 0;
  std::size_t Count = 0;
};

// Cuts samples (in time order) into pages of pageLength seconds as the
// recording turns them: a sample past the page's time, or the sample in the
// last slot, begins the next page, which starts at that sample's whole
// second. The first page starts at 0. Pages left empty are not kept.
std::vector<ChartPage> CutIntoPages(const std::vector<TDataSampleRec>& samples, double pageLength);

// The samples of the page in memory, in slot order (slots not used are left out).
std::vector<TDataSampleRec> LivePageSamples(const RunRecording& rec);

}  // namespace pumpdrill
