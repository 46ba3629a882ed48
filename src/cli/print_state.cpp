#include "cli/print_state.h"

#include <ostream>

#include "sim/registry.h"

namespace pumpdrill {

void PrintState(const State& s, std::ostream& out) {
  for (const FieldInfo& f : StateFields()) out << f.name << " = " << GetFieldText(s, f) << '\n';
}

}  // namespace pumpdrill
