// Evolution files of the earlier layout. They hold the same blocks in the
// same order as the current layout, but each record is stored field by
// field without padding, and every Double as a 6-byte real.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "frame/evolution_blocks.h"

namespace pumpdrill {

enum class EarlierFieldKind : std::uint8_t {
  Text,   // ShortString, 256 bytes, copied unchanged
  Real,   // 6-byte real in the file, Double in the record
  Byte1,  // Byte or Boolean
  Small,  // SmallInt, 2 bytes
};

// `count` consecutive fields of one kind starting at `offset` of the record.
struct EarlierFields {
  std::uint16_t offset;
  EarlierFieldKind kind;
  std::uint8_t count;
};

// The fields of a record kind in their order.
std::span<const EarlierFields> EarlierFieldsOf(StoredRecordKind kind);

// Bytes a record of this kind takes in a file of the earlier layout.
std::size_t EarlierRecordSize(StoredRecordKind kind);

// Length of a whole file of the earlier layout (header and count byte included).
std::size_t EarlierEvolutionFileSize();

// Converts one record read from an earlier-layout file into the current
// record's bytes; bytes that are not fields (padding) keep their value.
void ConvertEarlierRecord(StoredRecordKind kind, const Byte* from, Byte* to);

// A whole file of the earlier layout holding the records of s, with the
// header's version and revision texts and the discharge count byte: what an
// earlier version wrote, for the seeds and tests of the reader.
std::vector<Byte> EarlierEvolutionBytes(State& s, const std::string& version,
                                        const std::string& revision, int dischargeCount);

}  // namespace pumpdrill
