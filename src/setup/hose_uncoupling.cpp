#include "setup/hose_uncoupling.h"

#include "setup/incident_time.h"
#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

bool OnLine(const TIncidentRec& u, int line) { return u.Use && u.Line == line; }

}  // namespace

UncouplingShown ShowUncoupling(const State& s, int currentLine) {
  const TIncidentRec& u = s.Incidents[kIncidentUncoupling];
  UncouplingShown shown;
  shown.Checked = OnLine(u, currentLine);
  shown.InUse = u.Use;
  if (currentLine >= 1 && currentLine <= kMaxDischarges)
    shown.LineTitle = s.DischargeList.LineTitle[currentLine].str();
  shown.SetupCaption = "Hose Uncoupling of " + shown.LineTitle;
  if (shown.Checked) shown.TimeText = IncidentTimeText(u.StartTime(), true);
  return shown;
}

void SetUncoupling(State& s, int currentLine, bool use) {
  TIncidentRec& u = s.Incidents[kIncidentUncoupling];
  u.Use = use;
  u.Line = use ? static_cast<Byte>(currentLine) : 0;
}

void StoreUncouplingTime(State& s, int currentLine, const std::string& text) {
  TIncidentRec& u = s.Incidents[kIncidentUncoupling];
  if (OnLine(u, currentLine)) u.StartTime() = IncidentTimeFromText(text);
}

}  // namespace pumpdrill
