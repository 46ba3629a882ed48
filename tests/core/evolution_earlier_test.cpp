#include <gtest/gtest.h>

#include <memory>

#include "frame/evolution_blocks.h"
#include "frame/evolution_earlier.h"

using namespace pumpdrill;

namespace {

TEST(EvolutionEarlierLayout, FieldTablesFitTheRecords) {
  auto st = std::make_unique<State>();
  for (const StoredBlock& b : EvolutionBlocks(*st)) {
    std::size_t end = 0;
    for (const EarlierFields& f : EarlierFieldsOf(b.kind)) {
      EXPECT_GE(f.offset, end) << "fields overlap in block kind " << static_cast<int>(b.kind);
      const std::size_t width = f.kind == EarlierFieldKind::Text ? 256
                                : f.kind == EarlierFieldKind::Real ? 8
                                : f.kind == EarlierFieldKind::Small ? 2
                                                                    : 1;
      end = f.offset + width * f.count;
    }
    EXPECT_LE(end, b.size);
    EXPECT_GT(end + 8, b.size);  // no field left out at the end
  }
}

TEST(EvolutionBlocks, FileOrderAndOffsets) {
  auto st = std::make_unique<State>();
  const std::vector<StoredBlock> blocks = EvolutionBlocks(*st);
  ASSERT_EQ(blocks.size(), 40u);
  std::size_t at = kEvolutionRecordsOffset;
  std::vector<std::size_t> offsets;
  for (const StoredBlock& b : blocks) {
    offsets.push_back(at);
    at += b.size;
  }
  EXPECT_EQ(at, kEvolutionFileSize);
  // Where each record starts in the file.
  EXPECT_EQ(offsets[0], 1025u);                                             // Pump
  EXPECT_EQ(offsets[1], 2073u);                                             // PumpStatus
  EXPECT_EQ(offsets[2], 2153u);                                             // line 1
  EXPECT_EQ(blocks[2].data, reinterpret_cast<Byte*>(&st->Discharges[1]));
  EXPECT_EQ(blocks[20].data, reinterpret_cast<Byte*>(&st->Discharges[19]));
  EXPECT_EQ(offsets[21], 24497u);                                           // Supply
  EXPECT_EQ(offsets[22], 25377u);                                           // Engine
  EXPECT_EQ(offsets[23], 26217u);                                           // PumpControl
  EXPECT_EQ(offsets[24], 27169u);                                           // PumpOutput
  EXPECT_EQ(offsets[25], 27953u);                                           // Tank
  EXPECT_EQ(offsets[26], 28881u);                                           // SimClock
  EXPECT_EQ(offsets[27], 28945u);                                           // burn house
  EXPECT_EQ(offsets[28], 29441u);                                           // Tender
  EXPECT_EQ(offsets[29], 29497u);                                           // DraftSource
  EXPECT_EQ(offsets[30], 29537u);                                           // radio calls
  EXPECT_EQ(offsets[31], 46185u);                                           // incident 1
  EXPECT_EQ(blocks[39].data, reinterpret_cast<Byte*>(&st->Incidents[9]));
}

}  // namespace
