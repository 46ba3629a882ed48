#include "records/chart_pages.h"

#include <cmath>

namespace pumpdrill {

std::vector<ChartPage> CutIntoPages(const std::vector<TDataSampleRec>& samples, double pageLength) {
  std::vector<ChartPage> pages;
  ChartPage page;
  int slot = 1;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = samples[i].Time;
    if (static_cast<double>(page.Start) + pageLength < t || slot >= kPageSlots) {
      if (page.Count > 0) pages.push_back(page);
      page = ChartPage{static_cast<std::int64_t>(std::floor(t)), i, 0};
      slot = 1;
    }
    ++page.Count;
    ++slot;
  }
  if (page.Count > 0) pages.push_back(page);
  return pages;
}

std::vector<TDataSampleRec> LivePageSamples(const RunRecording& rec) {
  std::vector<TDataSampleRec> samples;
  for (int slot = 1; slot <= kPageSlots; ++slot)
    if (rec.Page[slot].Time != kUnusedSlotTime) samples.push_back(rec.Page[slot]);
  return samples;
}

}  // namespace pumpdrill
