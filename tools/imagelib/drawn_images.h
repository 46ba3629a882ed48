// The pictures of the two image libraries, drawn by the build. Each group
// of pictures is one function that adds its images; main() calls them all
// and writes "panel04.dll" and "misc04.dll".
#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace pumpdrill::imagelib {

enum class Library { Panel, Misc };

struct DrawnImage {
  Library library;
  std::string name;
  QImage image;
  int scale = 1;  // pixels per layout pixel
};

using DrawnImages = std::vector<DrawnImage>;

// A transparent ARGB picture to draw on.
QImage Canvas(int width, int height);

// Groups of pictures.
void AddPanelLampImages(DrawnImages& out);    // lamps, lamp plates, warning lamps
void AddGaugeFaceImages(DrawnImages& out);    // gauge faces, masks, tachometer
void AddPanelSwitchImages(DrawnImages& out);  // toggles, switches, primer, T-handle
void AddPanelCapImages(DrawnImages& out);     // hose connection plates
void AddPanelTrimImages(DrawnImages& out);    // bars, background, flowmeter
void AddPanelRotaryImages(DrawnImages& out);  // wheels, knobs, push-pull parts
void AddPanelControlImages(DrawnImages& out);  // electronic controls, ball lever
void AddRunButtonImages(DrawnImages& out);  // run panel glyphs
void AddSplashImages(DrawnImages& out);     // the splash window's truck
void AddHoseAndNozzleImages(DrawnImages& out);  // setup windows' hoses and nozzles
void AddBurnHouseImages(DrawnImages& out);      // the burn-house window's glyph
void AddSupplyImages(DrawnImages& out);         // the supply setup's water supplies
void AddFoamImages(DrawnImages& out);  // foam tank switch, proportioners, CAFS controls

}  // namespace pumpdrill::imagelib
