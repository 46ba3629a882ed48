// The 6-byte real of Evolution files of the earlier layout.
#pragma once

#include "sim/types.h"

namespace pumpdrill {

// Converts a 6-byte real to a Double. Byte 0 is the exponent with bias 129
// (0 means the value 0); bytes 1 to 5 hold a 39-bit fraction with an
// implicit leading 1, least significant byte first; the top bit of byte 5 is
// the sign. Every such value is exactly representable as a Double.
Double Real48ToDouble(const Byte bytes[6]);

// The 6-byte real nearest to v (the fraction rounded to 39 bits). Values too
// small for the format store 0, values too large its largest value of v's
// sign.
void DoubleToReal48(Double v, Byte bytes[6]);

}  // namespace pumpdrill
