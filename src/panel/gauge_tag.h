// The GaugeTag each gauge image carries: bits 0 to 7 the gauge index, bits
// 8 to 11 the units system the face was drawn for (0 English, 1 metric),
// bits 12 and up the face colour code (1 black, 2 white).
#pragma once

namespace pumpdrill {

inline int GaugeTag(int gauge, bool metric, int colour) {
  return (gauge & 0xFF) | (metric ? 1 : 0) << 8 | colour << 12;
}
inline int GaugeTagIndex(int tag) { return tag & 0xFF; }
inline bool GaugeTagMetric(int tag) { return (tag >> 8 & 0xF) == 1; }
inline int GaugeTagColour(int tag) { return tag >> 12; }

}  // namespace pumpdrill
