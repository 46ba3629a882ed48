#include "frame/evolution_header.h"

#include "frame/version.h"

namespace pumpdrill {

EvolutionHeader ProgramEvolutionHeader() {
  EvolutionHeader h{};
  h.ProgramVersionText = kVersionText;
  h.RevisionText = kRevisionText;
  h.ProductNameText = kProductName;
  h.BuildDateText = BuildDateText();
  return h;
}

}  // namespace pumpdrill
