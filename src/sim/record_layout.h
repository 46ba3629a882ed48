// Helpers that pin the byte layout of the stored records. A record is
// written to and read from an Evolution file as one block, so each field
// must sit at its fixed offset and every byte must be a declared member:
// padding is spelled out as Pad<N> members, and the compiler refuses any
// implicit padding inside the record definitions.
#pragma once

#include <cstddef>
#include <type_traits>

#define PUMPDRILL_RECORDS_BEGIN \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic error \"-Wpadded\"")
#define PUMPDRILL_RECORDS_END _Pragma("GCC diagnostic pop")

// The record can be copied as raw bytes and its fields have fixed offsets.
#define PUMPDRILL_PLAIN_RECORD(Rec, bytes)                                        \
  static_assert(std::is_trivially_copyable_v<Rec>, #Rec " must be a plain block"); \
  static_assert(std::is_standard_layout_v<Rec>, #Rec " must have a fixed layout"); \
  static_assert(sizeof(Rec) == (bytes), #Rec " must be " #bytes " bytes")

#define PUMPDRILL_FIELD_AT(Rec, field, off) \
  static_assert(offsetof(Rec, field) == (off), #Rec "." #field " must lie at " #off)
