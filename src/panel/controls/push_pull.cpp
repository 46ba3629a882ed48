#include "panel/controls/push_pull.h"

#include <algorithm>

#include "panel/controls/valve_handle_tag.h"
#include "panel/controls/valve_opening.h"

namespace pumpdrill {

namespace {
constexpr int kShortSlot = 114;
constexpr int kLongSlot = 170;
}  // namespace

PushPullGeometry PushPullGeometryOf(int type) {
  if (!IsPushPullHandle(type)) type = kHandleShortOpenBottom;
  PushPullGeometry g;
  g.Vertical = type <= kHandleLongOpenTop;
  g.SlotLength = (type == 3 || type == 4 || type == 7 || type == 8) ? kLongSlot : kShortSlot;
  g.OpensAtStart = type == kHandleShortOpenTop || type == kHandleLongOpenTop ||
                   type == kHandleShortOpenLeft || type == kHandleLongOpenLeft;
  if (!g.Vertical) {
    // The handle turned with its slot.
    g.HandleWidth = 26;
    g.HandleLength = 25;
  }
  return g;
}

double PushPullOpening(const PushPullGeometry& g, double place) {
  const double lo = g.MinPlace();
  const double hi = g.MaxPlace();
  place = std::clamp(place, lo, hi);
  const double travelled = g.OpensAtStart ? hi - place : place - lo;
  return travelled / (hi - lo);
}

double PushPullPlace(const PushPullGeometry& g, double opening) {
  const double lo = g.MinPlace();
  const double hi = g.MaxPlace();
  opening = std::clamp(opening, 0.0, 1.0);
  return g.OpensAtStart ? hi - opening * (hi - lo) : lo + opening * (hi - lo);
}

StickSpan PushPullStick(const PushPullGeometry& g, double place) {
  StickSpan st;
  if (g.OpensAtStart) {
    // Shut at the far end: the stick runs from the handle's far edge there.
    st.Start = place + g.HandleLength;
    st.Length = g.MaxPlace() - place;
  } else {
    st.Start = g.MinPlace();
    st.Length = place - g.MinPlace();
  }
  if (st.Length < 0) st.Length = 0;
  return st;
}

void PushPullPress(PushPullDrag& d, const ControlRun& run, const PushPullGeometry& g, int line,
                   ControlPoint slotPoint, double place) {
  if (!run.Acts()) return;
  d.Dragging = true;
  d.Line = line;
  d.Grab = (g.Vertical ? slotPoint.y : slotPoint.x) - place;
}

double PushPullMove(PushPullDrag& d, State& s, const ControlRun& run, const PushPullGeometry& g,
                    ControlPoint slotPoint, double place, Host& host) {
  if (!d.Dragging || !run.Acts()) return place;
  const double along = g.Vertical ? slotPoint.y : slotPoint.x;
  const double next = std::clamp(along - d.Grab, double(g.MinPlace()), double(g.MaxPlace()));
  SetValveOpening(s, d.Line, PushPullOpening(g, next), run.SimActive, host);
  return next;
}

}  // namespace pumpdrill
