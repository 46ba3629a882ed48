// What the nozzle setup edits: a working copy of one discharge line's
// nozzle, the catalogue row and size chosen for it, and OK's checks and
// write-back into the line. The window only shows this and passes the
// user's choices on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frame/units.h"
#include "setup/nozzle_catalogue.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

struct NozzleWork {
  int MasterKind = 0;
  int NozzleType = 0;
  bool IsMaster = false;
  std::string Name;
  std::string Title;
  double Elev = 0;     // NozzleElev, ft
  double TipDiam = 0;  // ft
  std::array<int, kGpmSettings> GpmSetting{};
  int AutoGpmMin = 0;
  int AutoGpmMax = 0;
  int GpmIndex = 0;  // 1-based; 0 for none
};

class NozzleSetup {
 public:
  // Lines outside 1 to 15 are taken as line 1. Finds the row and size of
  // the line's nozzle.
  NozzleSetup(const State& s, int line, const DisplayUnits& units);

  int Line() const { return line_; }
  int Row() const { return row_; }
  int Size() const { return size_; }  // the size class, or bore choice; -1 for none
  const NozzleWork& Work() const { return work_; }

  // A click on the row list: rows 3, 7 and 8 are ignored. A new row clears
  // the size and takes the row's type. True when the row changed.
  bool SelectRow(int row);
  // A click on the size (or bore) list.
  void SelectSize(int size);
  // The gallonage pick: item of GallonageChoices().
  void SelectGallonage(int item);
  // The mounting radio button of a master stream.
  void SetMounting(int kind);
  // The initial nozzle height: raised or lowered by steps of 0.5 display
  // units, or typed (display units); both kept within HeightLimit() of the
  // pump end. A text that is no number is refused with its error text.
  void StepHeight(int steps);
  bool SetHeightText(const std::string& text, std::string& error);

  // What the window shows.
  bool ListsBores() const;  // smooth bore and fog list bore choices
  std::vector<std::string> SizeItems() const;
  std::string AttrCaption() const;       // LblNzAttrCaption
  std::string RatedPressText() const;    // "@ 50 psi" or "rated @ 80 psi"
  std::string GallonageCaption() const;  // "Gallonage (gpm)"
  bool ShowsGallonage() const;
  std::vector<std::string> GallonageItems() const;  // display units
  int GallonageItem() const;                        // the selected item, or -1
  std::string PictureName() const;                  // without the handle
  std::string HeightText() const;                   // display units, 1 decimal
  double HeightLimit() const;                       // ft
  std::string TipFlowText() const;                  // the flow at the rated pressure
  bool IsMasterRow() const { return CatalogueRow(row_).IsMaster; }
  int RowMounting() const;

  // OK: checks the choices and writes them into the line; false (after the
  // message) when a check fails, leaving the state as it was.
  bool Ok(State& s, const std::string& heightText, const std::string& name, Host& host);

 private:
  void RebuildGallonage(bool sizeChanged);
  const NozzleSize* SelectedSize() const;

  int line_ = 1;
  const DisplayUnits& units_;
  NozzleWork work_;
  int row_ = 0;
  int size_ = -1;
  double pumpEndElev_ = 0;
  double heightLimit_ = 0;
  std::array<int, kNozzleRows> rowMounting_{};
};

}  // namespace pumpdrill
