#include "frame/version.h"

namespace pumpdrill {

std::string BuildDateText() { return __DATE__; }

}  // namespace pumpdrill
