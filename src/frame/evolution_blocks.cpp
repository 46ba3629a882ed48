#include "frame/evolution_blocks.h"

namespace pumpdrill {

namespace {

template <typename Rec>
StoredBlock Block(StoredRecordKind kind, Rec& rec) {
  return {kind, reinterpret_cast<Byte*>(&rec), sizeof(Rec)};
}

}  // namespace

std::vector<StoredBlock> EvolutionBlocks(State& s) {
  using K = StoredRecordKind;
  std::vector<StoredBlock> blocks;
  blocks.reserve(40);
  blocks.push_back(Block(K::Pump, s.Pump));
  blocks.push_back(Block(K::PumpStatus, s.PumpStatus));
  for (int line = 1; line <= 19; ++line) blocks.push_back(Block(K::Discharge, s.Discharges[line]));
  blocks.push_back(Block(K::Supply, s.Supply));
  blocks.push_back(Block(K::Engine, s.Engine));
  blocks.push_back(Block(K::PumpControl, s.PumpControl));
  blocks.push_back(Block(K::PumpOutput, s.PumpOutput));
  blocks.push_back(Block(K::Tank, s.Tank));
  blocks.push_back(Block(K::SimClock, s.SimClock));
  blocks.push_back(Block(K::BurnHouse, s.BurnHouse));
  blocks.push_back(Block(K::Tender, s.Tender));
  blocks.push_back(Block(K::DraftSource, s.DraftSource));
  blocks.push_back(Block(K::RadioMessages, s.RadioMessages));
  for (int i = 1; i <= 9; ++i) blocks.push_back(Block(K::Incident, s.Incidents[i]));
  return blocks;
}

}  // namespace pumpdrill
