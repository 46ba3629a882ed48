// The valve pop-up menu of design mode (PopMenuValve): the handle types by
// their menu paths, the title's text colours and backgrounds, which of them
// a handle type takes, and the check marks on what the valve has now.
#pragma once

#include <array>

#include "panel/panel_layout.h"
#include "panel/pop_menu_entry.h"

namespace pumpdrill {

struct State;

// A title colour of the menu. Transparent keeps the colour and shows the
// panel through the title.
struct TitleColourChoice {
  const char* Caption;
  PanelColour Colour;
  bool Transparent = false;
};

// "Title Foreground": black, silver and white text.
inline constexpr std::array<TitleColourChoice, 3> kTitleForegrounds{{
    {"Black", kColourBlack},
    {"Gray", kColourSilver},
    {"White", kColourWhite},
}};

// "Title Background", in the menu's order. Orange is (255, 128, 0); a file
// holding another colour keeps it.
inline constexpr std::array<TitleColourChoice, 10> kTitleBackgrounds{{
    {"Black", kColourBlack},
    {"Gray", kColourSilver},
    {"White", kColourWhite},
    {"Transparent", kColourSilver, true},
    {"Red", RgbColour(255, 0, 0)},
    {"Orange", RgbColour(255, 128, 0)},
    {"Yellow", RgbColour(255, 255, 0)},
    {"Green", RgbColour(0, 128, 0)},
    {"Blue", RgbColour(0, 0, 255)},
    {"Purple", RgbColour(128, 0, 128)},
}};

// Which handle types take a title text colour (1 to 8, 10, 11, 12) and a
// title background (1 to 8, 10, 11, 14, 15).
bool TakesTitleForeground(int handleType);
bool TakesTitleBackground(int handleType);

// What an item of the menu chooses.
struct ValveMenuChoice {
  enum class Kind { None, Handle, Foreground, Background };
  Kind What = Kind::None;
  int HandleType = 0;     // Handle
  bool OpensCcw = false;  // Handle, for the wheel
  int Colour = 0;         // Foreground, Background: the index in its table
};

// The command of a choice as the menu's items carry it, and back.
int ValveMenuCommand(const ValveMenuChoice& choice);
ValveMenuChoice DecodeValveMenuCommand(int command);

// The menu for a valve as it stands: its handle type and turning sense,
// its title's colours.
PopMenuEntry ValvePopMenu(const ValvePlace& valve, bool opensCcw);

// Carries out a choice of valve n's menu on its title: the colour is set
// when the handle type takes it (a background other than Transparent makes
// the title opaque). Returns whether anything changed.
bool ApplyTitleColour(ValvePlace& valve, const ValveMenuChoice& choice);

// Before a handle of the chosen type replaces valve n's handle: a wheel's
// turning sense is stored. Returns the type to build.
int PrepareValveHandle(State& s, int valve, const ValveMenuChoice& choice);

}  // namespace pumpdrill
