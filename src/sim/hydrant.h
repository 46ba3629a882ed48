// The hydrant as a restriction: its equivalent bore and loss coefficient
// follow from its rated flow and static pressure.
#pragma once

namespace pumpdrill {

struct State;

// Supply.SupplyEquivDiam and Supply.SupplyK from Supply.RatedSupplyFlow and
// Supply.StaticPress: the bore that loses a tenth of the static pressure at
// a third of the rated flow, and its orifice coefficient fully open. A
// hydrant without static pressure keeps the coefficients it had.
void CalcHydrantCoefficients(State& s);

}  // namespace pumpdrill
