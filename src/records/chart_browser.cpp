#include "records/chart_browser.h"

#include <algorithm>

namespace pumpdrill {

void ChartBrowser::FollowRun(const RunRecording& rec, const State& s) {
  const bool atEnd = stored_ || AtLastPage();
  stored_ = false;
  file_ = {};
  pages_.clear();
  std::string reason;
  if (!rec.DataFileName.empty() && ReadDataFile(rec.DataFileName, s, file_, reason)) {
    pages_ = CutIntoPages(file_.Samples, rec.PlotSetup.PageLength);
    // The page in memory is shown from memory, also the part already written.
    while (!pages_.empty() && pages_.back().Start >= rec.PageStart) pages_.pop_back();
  }
  if (atEnd) current_ = PageTotal() - 1;
  current_ = std::clamp(current_, 0, PageTotal() - 1);
}

void ChartBrowser::ViewStored(DataFileContents contents) {
  stored_ = true;
  file_ = std::move(contents);
  pages_ = CutIntoPages(file_.Samples, file_.Header.PageLength);
  current_ = 0;
}

int ChartBrowser::PageTotal() const {
  const int n = static_cast<int>(pages_.size()) + (stored_ ? 0 : 1);
  return std::max(n, 1);
}

void ChartBrowser::Go(int page) { current_ = std::clamp(page, 0, PageTotal() - 1); }

const TPlotSetupRec& ChartBrowser::Setup(const RunRecording& rec) const {
  return stored_ ? file_.Header : rec.PlotSetup;
}

std::vector<TDataSampleRec> ChartBrowser::PageSamples(const RunRecording& rec) const {
  if (ShowingLivePage()) return LivePageSamples(rec);
  if (current_ < 0 || current_ >= static_cast<int>(pages_.size())) return {};
  const ChartPage& page = pages_[current_];
  const auto first = file_.Samples.begin() + static_cast<std::ptrdiff_t>(page.First);
  return {first, first + static_cast<std::ptrdiff_t>(page.Count)};
}

double ChartBrowser::PageStart(const RunRecording& rec) const {
  if (ShowingLivePage()) return static_cast<double>(rec.PageStart);
  if (current_ < 0 || current_ >= static_cast<int>(pages_.size())) return 0;
  return static_cast<double>(pages_[current_].Start);
}

}  // namespace pumpdrill
