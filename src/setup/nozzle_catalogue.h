// The nozzle catalogue of the nozzle setup: the rows of its list (handline
// and master-stream smooth bores, automatic and adjustable-gallonage fog
// nozzles), the size classes of the fog nozzles with their flows, the bore
// choices of the smooth bores, and the naming rules that give every window
// a line's nozzle picture, type name and rated pressure.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "sim/discharge_rec.h"

namespace pumpdrill {

// Nozzle types of TDischargeRec::NozzleType.
enum NozzleKind : int {
  kSmoothBore = 0,
  kFogNozzle = 1,
  kAutomaticNozzle = 2,
  kGallonageNozzle = 3,
  kNoNozzleType = 4,
};

// Master-stream mountings of TDischargeRec::MasterKind.
enum MasterMounting : int { kDeckGun = 0, kPortableMonitor = 1, kElevatedMaster = 2 };

inline constexpr int kNozzleRows = 9;      // rows of the list, 3, 7 and 8 blank
inline constexpr int kMaxNozzleSizes = 5;  // size classes of one row
inline constexpr int kGpmSettings = 5;     // flow settings of one size

// One size class of an automatic or gallonage nozzle. An automatic size has
// a flow range, a gallonage size up to five flow settings (0 unused).
struct NozzleSize {
  const char* English;
  const char* Metric;
  int MinGpm;
  int MaxGpm;
  std::array<int, kGpmSettings> Settings;
};

struct NozzleRow {
  const char* ListText;  // "" for a blank row
  bool Selectable;
  bool IsMaster;
  int Type;                       // NozzleKind of the row
  std::vector<NozzleSize> Sizes;  // none for the smooth bores
};

// Row 0 to 8 of the catalogue.
const NozzleRow& CatalogueRow(int row);
bool IsSelectableRow(int row);
// The row a line's nozzle is shown on: smooth bore 0 or 4, fog and
// automatic 1 or 5, gallonage 2 or 6 (handline or master); anything else 0.
int RowOfNozzle(int type, bool isMaster);

// The section captions of the list.
inline constexpr const char* kHandlineSection = "HANDLINE";
inline constexpr const char* kMasterSection = "MASTER STREAM";

// The nozzle pressure a nozzle is rated at, psi: 50 for a handline smooth
// bore, 80 for a master smooth bore, 100 for every other nozzle.
double RatedNozzlePress(bool isMaster, int type);

// The bore choices of the smooth bores: inches ("1-1/8") or millimetres
// ("29").
const std::vector<std::string>& BoreChoices(bool metric);
// The exact size of a metric bore choice in mm (29 -> 28.575); any other
// number stays as it is.
double ExactBoreMm(double mm);
// The bore of a choice in feet: inches / 12, or the exact millimetres /
// 25.4 / 12. False for a text that is no diameter.
bool BoreChoiceFeet(const std::string& item, bool metric, double& feet);
// The index of the choice that matches a bore (ft): within 0.01 inch, or
// the nearest choice within 1 mm in metric units; -1 for none.
int FindBoreChoice(double tipDiamFeet, bool metric);

// The index of the size class of an automatic row whose range is
// min..max, or of a gallonage row whose non-zero settings are those of
// settings; -1 for none.
int FindNozzleSize(int row, int autoMin, int autoMax,
                   const std::array<int, kGpmSettings>& settings);

// The picture of a nozzle in the image library, with or without the hose
// handle (handlines only); "" for no nozzle (type 4 or unknown).
std::string NozzlePictureName(int type, bool isMaster, int masterKind, bool withHandle);
std::string NozzlePictureName(const TDischargeRec& d, bool withHandle);

// "straight", "fog", "automatic" or "gallonage"; "" for no nozzle.
std::string NozzleTypeName(int type);

// The message a master stream without a nozzle gives ("No nozzle defined
// for discharge " and the line number).
std::string NoNozzleMessage(int line);

}  // namespace pumpdrill
