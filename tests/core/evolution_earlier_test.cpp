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

}  // namespace
