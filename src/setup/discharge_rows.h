// What the discharge lines window shows of each line: the rows' places and
// heights, and the texts of each row's hose box and nozzle box. Lines
// joined to another as the second hose of a siamese have no row of their
// own.
#pragma once

#include <string>
#include <vector>

#include "frame/units.h"

namespace pumpdrill {

struct State;

enum class RowKind {
  Connected,     // shown in full
  Disconnected,  // title and ":  NOT IN USE"
  Absorbed,      // the second line of a siamese: hidden
  Undefined,     // a connection status that is neither connected nor not: left blank
};

inline constexpr int kConnectedRowHeight = 55;
inline constexpr int kDisconnectedRowHeight = 20;
inline constexpr int kAbsorbedRowHeight = 1;
inline constexpr int kRowGap = 10;

struct DischargeRow {
  int Line = 0;
  RowKind Kind = RowKind::Connected;
  int Top = 0;
  int Height = 0;        // the hose box
  int NozzleHeight = 0;  // the nozzle box, at the same top
};

// The rows of lines 1 to the line count, the first at firstTop, every
// other 10 px below the one before.
std::vector<DischargeRow> LayOutDischargeRows(const State& s, int firstTop);
// The scroll range of the rows: the last row's top plus twice its height.
int DischargeRowsExtent(const std::vector<DischargeRow>& rows);

// "Connection Status not defined, line: 3".
std::string ConnectionStatusMessage(int line);

struct HoseBoxText {
  std::string Picture;     // "" draws none
  std::string Title;       // at (0, 2); for a disconnected line with ":  NOT IN USE"
  std::string LayoutLine;  // "(single hose)"
  std::string PartnerTitle;  // the siamese partner's title
  std::string FirstHose;
  std::string SecondHose;  // siamese and wye only
  std::string Summary;     // "209 gpm at 77.5 psi pump"
};
HoseBoxText HoseBoxTexts(const State& s, int line, RowKind kind, const DisplayUnits& units);

struct NozzleBoxText {
  std::string Picture;  // "" for none: the box stays blank
  std::string TypeLine;  // "type: fog"
  std::string SizeLine;  // "bore: 7/8  inch", "gpm: 95 to 200", "gpm: 125"
};
NozzleBoxText NozzleBoxTexts(const State& s, int line, RowKind kind, const DisplayUnits& units);

}  // namespace pumpdrill
