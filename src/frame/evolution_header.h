// The header block at the start of every Evolution file.
#pragma once

#include "sim/types.h"

namespace pumpdrill {

struct EvolutionHeader {
  ShortString ProgramVersionText;  // 0   major version, a decimal number text
  ShortString RevisionText;        // 256 its first three characters read as the revision
  ShortString ProductNameText;     // 512
  ShortString BuildDateText;       // 768
};
static_assert(sizeof(EvolutionHeader) == 1024);

// This program's own header: the texts that every save writes and that the
// main window's caption shows.
EvolutionHeader ProgramEvolutionHeader();

}  // namespace pumpdrill
