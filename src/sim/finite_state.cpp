#include "sim/finite_state.h"

#include <cmath>

namespace pumpdrill {

const FieldInfo* FirstNonFiniteField(const State& s) {
  for (const FieldInfo& f : StateFields()) {
    if (f.type == FieldType::Double && !std::isfinite(GetFieldNumber(s, f))) return &f;
  }
  return nullptr;
}

const FieldInfo* FirstImplausibleField(const State& s) {
  for (const FieldInfo& f : StateFields()) {
    if (f.type != FieldType::Double) continue;
    const double v = GetFieldNumber(s, f);
    if (!(std::fabs(v) <= kLargestPlausibleReal)) return &f;
  }
  return nullptr;
}

}  // namespace pumpdrill
