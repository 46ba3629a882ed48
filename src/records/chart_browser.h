// Which page the strip chart shows. In a run the chart follows the page in
// memory; the pages before it are those of the data file so far, cut as
// they were recorded. A stored record opened for viewing has only its own
// pages. Scrolled back, the view stays where it is until moved to the end.
#pragma once

#include <vector>

#include "records/chart_pages.h"
#include "records/data_file.h"
#include "records/recording_state.h"

namespace pumpdrill {

class ChartBrowser {
 public:
  // Back to the run's pages: the data file in use read again (pages before
  // the page in memory); a view at the last page moves on to the new one.
  void FollowRun(const RunRecording& rec, const State& s);
  // A stored record, shown from its first page.
  void ViewStored(DataFileContents contents);

  bool Stored() const { return stored_; }
  int PageTotal() const;
  int Current() const { return current_; }
  bool AtLastPage() const { return current_ >= PageTotal() - 1; }
  // Shows page (clamped to the pages there are).
  void Go(int page);

  // The plot setup the page is drawn with: the stored record's own header,
  // or the run's.
  const TPlotSetupRec& Setup(const RunRecording& rec) const;
  TPlotSetupRec& StoredSetup() { return file_.Header; }
  // True when the page shown is the run's page in memory.
  bool ShowingLivePage() const { return !stored_ && current_ == static_cast<int>(pages_.size()); }
  // The samples and the start of the page shown.
  std::vector<TDataSampleRec> PageSamples(const RunRecording& rec) const;
  double PageStart(const RunRecording& rec) const;
  const DataFileContents& File() const { return file_; }

 private:
  bool stored_ = false;
  DataFileContents file_;
  std::vector<ChartPage> pages_;
  int current_ = 0;
};

}  // namespace pumpdrill
