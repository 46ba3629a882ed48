#include "frame/evolution_earlier.h"

#include <cstring>
#include <memory>

#include "frame/real48.h"

namespace pumpdrill {

namespace {

using F = EarlierFieldKind;

// Every field of each stored record, by offset, as the records declare them.
constexpr EarlierFields kPump[] = {{0x000, F::Text, 3},  {0x300, F::Real, 9},  {0x348, F::Byte1, 3},
                                   {0x350, F::Real, 1}, {0x358, F::Byte1, 1}, {0x35A, F::Small, 1},
                                   {0x360, F::Real, 22}, {0x410, F::Byte1, 1}};
constexpr EarlierFields kPumpStatus[] = {
    {0x00, F::Real, 4}, {0x20, F::Byte1, 2}, {0x28, F::Real, 4}, {0x48, F::Byte1, 2}};
constexpr EarlierFields kDischarge[] = {
    {0x000, F::Text, 2},  {0x200, F::Real, 5},  {0x228, F::Byte1, 1}, {0x230, F::Real, 1},
    {0x238, F::Byte1, 2}, {0x240, F::Real, 5},  {0x268, F::Byte1, 1}, {0x270, F::Real, 1},
    {0x278, F::Byte1, 1}, {0x280, F::Real, 2},  {0x290, F::Small, 3}, {0x298, F::Real, 12},
    {0x2F8, F::Real, 6},  {0x328, F::Byte1, 2}, {0x330, F::Real, 3},  {0x348, F::Byte1, 3},
    {0x34B, F::Text, 1},  {0x450, F::Real, 1},  {0x458, F::Small, 8}, {0x468, F::Real, 6}};
constexpr EarlierFields kSupply[] = {{0x000, F::Text, 3},  {0x300, F::Byte1, 4}, {0x308, F::Real, 9},
                                     {0x350, F::Byte1, 2}, {0x358, F::Real, 1},  {0x360, F::Byte1, 1},
                                     {0x368, F::Real, 1}};
constexpr EarlierFields kEngine[] = {{0x000, F::Text, 3}, {0x300, F::Real, 9}};
constexpr EarlierFields kPumpControl[] = {
    {0x000, F::Text, 3},  {0x300, F::Byte1, 1}, {0x302, F::Byte1, 2}, {0x308, F::Real, 3},
    {0x322, F::Byte1, 1}, {0x324, F::Byte1, 1}, {0x328, F::Real, 2},  {0x340, F::Real, 6},
    {0x370, F::Byte1, 3}, {0x374, F::Byte1, 1}, {0x378, F::Real, 4},  {0x398, F::Byte1, 1},
    {0x3A0, F::Real, 2},  {0x3B0, F::Small, 1}};
constexpr EarlierFields kPumpOutput[] = {{0x000, F::Text, 3}, {0x300, F::Real, 2}};
constexpr EarlierFields kTank[] = {{0x000, F::Text, 3},  {0x300, F::Real, 10}, {0x360, F::Byte1, 2},
                                   {0x368, F::Real, 4},  {0x398, F::Real, 1}};
constexpr EarlierFields kSimClock[] = {{0x00, F::Real, 8}};
constexpr EarlierFields kBurnHouse[] = {
    {0x000, F::Byte1, 1}, {0x008, F::Real, 16}, {0x088, F::Text, 1}, {0x188, F::Real, 13}};
constexpr EarlierFields kTender[] = {
    {0x00, F::Byte1, 1}, {0x08, F::Real, 3}, {0x20, F::Byte1, 1}, {0x28, F::Real, 2}};
constexpr EarlierFields kDraftSource[] = {{0x00, F::Real, 3}, {0x18, F::Byte1, 1}, {0x20, F::Real, 1}};
// Next call index, next call time, the 63 call times, the 63 call file names.
constexpr EarlierFields kRadioMessages[] = {{0, F::Byte1, 1}, {8, F::Real, 64}, {520, F::Text, 63}};
constexpr EarlierFields kIncident[] = {{0x00, F::Byte1, 2}, {0x04, F::Byte1, 3}, {0x08, F::Real, 9},
                                       {0x58, F::Real, 6},  {0x88, F::Byte1, 1}, {0x90, F::Real, 1},
                                       {0x98, F::Byte1, 1}};

std::size_t FileBytes(F kind) {
  switch (kind) {
    case F::Text: return 256;
    case F::Real: return 6;
    case F::Byte1: return 1;
    case F::Small: return 2;
  }
  return 0;
}

std::size_t RecordBytes(F kind) { return kind == F::Real ? sizeof(Double) : FileBytes(kind); }

}  // namespace

std::span<const EarlierFields> EarlierFieldsOf(StoredRecordKind kind) {
  using K = StoredRecordKind;
  switch (kind) {
    case K::Pump: return kPump;
    case K::PumpStatus: return kPumpStatus;
    case K::Discharge: return kDischarge;
    case K::Supply: return kSupply;
    case K::Engine: return kEngine;
    case K::PumpControl: return kPumpControl;
    case K::PumpOutput: return kPumpOutput;
    case K::Tank: return kTank;
    case K::SimClock: return kSimClock;
    case K::BurnHouse: return kBurnHouse;
    case K::Tender: return kTender;
    case K::DraftSource: return kDraftSource;
    case K::RadioMessages: return kRadioMessages;
    case K::Incident: return kIncident;
  }
  return {};
}

std::size_t EarlierRecordSize(StoredRecordKind kind) {
  std::size_t size = 0;
  for (const EarlierFields& f : EarlierFieldsOf(kind)) size += FileBytes(f.kind) * f.count;
  return size;
}

std::size_t EarlierEvolutionFileSize() {
  static const std::size_t size = [] {
    auto probe = std::make_unique<State>();
    std::size_t total = kEvolutionRecordsOffset;
    for (const StoredBlock& b : EvolutionBlocks(*probe)) total += EarlierRecordSize(b.kind);
    return total;
  }();
  return size;
}

void ConvertEarlierRecord(StoredRecordKind kind, const Byte* from, Byte* to) {
  for (const EarlierFields& f : EarlierFieldsOf(kind)) {
    Byte* dest = to + f.offset;
    for (int i = 0; i < f.count; ++i) {
      if (f.kind == F::Real) {
        const Double value = Real48ToDouble(from);
        std::memcpy(dest, &value, sizeof value);
      } else {
        std::memcpy(dest, from, FileBytes(f.kind));
      }
      from += FileBytes(f.kind);
      dest += RecordBytes(f.kind);
    }
  }
}

}  // namespace pumpdrill
