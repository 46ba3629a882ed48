// The whole simulated apparatus: every record the setup windows edit, the
// panel operates, the tick advances and the Evolution file stores. One
// State lives as long as the program; core routines take it as their first
// parameter. It holds no pointer, so a record is saved and restored as a
// block of bytes.
#pragma once

#include <type_traits>

#include "sim/burn_house_rec.h"
#include "sim/clock_record.h"
#include "sim/discharge_list.h"
#include "sim/discharge_rec.h"
#include "sim/foam_setup.h"
#include "sim/incident_record.h"
#include "sim/line_set.h"
#include "sim/pump_records.h"
#include "sim/radio_messages.h"
#include "sim/record_layout.h"
#include "sim/show_options.h"
#include "sim/supply_records.h"
#include "sim/types.h"

namespace pumpdrill {

// Line roles: 1 to 15 discharges, then these four.
constexpr int kTankFillLine = 16;
constexpr int kTankToPumpLine = 17;
constexpr int kIntakeLine = 18;
constexpr int kMasterLine = 19;
constexpr int kLineCount = 19;
constexpr int kMaxDischarges = 15;
constexpr int kIncidentCount = 9;

// No byte of the state is left to the compiler: a member that would leave
// the next one unaligned is followed by an explicit Pad, or the build fails.
PUMPDRILL_RECORDS_BEGIN

struct State {
  Array1<TDischargeRec, kLineCount> Discharges{};
  TDischargeListRec DischargeList{};
  Pad<1> PadAfterDischargeList{};  // the records that follow are aligned
  TPumpRec Pump{};
  TPumpStatusRec PumpStatus{};
  TEngineRec Engine{};
  TPumpControlRec PumpControl{};
  TPumpOutputRec PumpOutput{};
  TSupplyRec Supply{};
  TTankRec Tank{};
  TSimClockRec SimClock{};
  TDraftSourceRec DraftSource{};
  TTenderRec Tender{};
  Double MinIntakePress{};  // vacuum limit at the site's altitude; not stored
  // The second lines of siamese pairs: the solution skips them and writes
  // their results from the first line of the pair. Not stored; rebuilt with
  // the line coefficients.
  LineSet SiameseSecondary{};
  Pad<6> PadAfterSiameseSecondary{};
  Array1<TIncidentRec, kIncidentCount> Incidents{};
  TShowOptionsRec ShowOptions{};
  TBurnHouseRec BurnHouse{};
  // The radio-call schedule; the radio calls fill and play it.
  TRadioMessagesRec RadioMessages{};
  // The panel's foam system and the concentrate it has drawn; saved with
  // the panel, not with the Evolution.
  TFoamSetupRec FoamSetup{};
};

PUMPDRILL_RECORDS_END

static_assert(std::is_standard_layout_v<State>);
static_assert(std::is_trivially_copyable_v<State>);

}  // namespace pumpdrill
