#include "setup/nozzle_catalogue.h"

#include <cmath>

#include "frame/number_entry.h"

namespace pumpdrill {

namespace {

constexpr double kMmPerInchExact = 25.4;

const std::array<NozzleRow, kNozzleRows>& Catalogue() {
  static const std::array<NozzleRow, kNozzleRows> rows = {{
      {"  smooth bore", true, false, kSmoothBore, {}},
      {"  fog--automatic",
       true,
       false,
       kAutomaticNozzle,
       {{"3/4\" or 1\"; 10-125 gpm", "19mm or 25mm; 40-475 lpm", 10, 125, {}},
        {"1-1/2\", 1-3/4\",2\"; 70-200 gpm", "38, 45, 50mm; 265-760 lpm", 70, 200, {}},
        {"1-1/2\" to 2-1/2\";  50-350 gpm", "38mm to 65mm; 190-1325 lpm", 50, 350, {}}}},
      {"  fog--adjust. gallonage",
       true,
       false,
       kGallonageNozzle,
       {{"3/4\" or 1\"; 10 & 40 gpm", "20mm or 25mm; 40 & 150 lpm", 0, 0, {10, 40}},
        {"1\"; 5,10,24 & 40 gpm", "25mm; 20, 40, 90 & 150 lpm", 0, 0, {5, 10, 24, 40}},
        {"1-1/2\", 1-3/4\"; 95,125,150 & 200 gpm",
         "38mm, 45mm; 360,475,570 & 760 lpm",
         0,
         0,
         {95, 125, 150, 200}},
        {"1-1/2\" to 2-1/2\"; 95,125,150,200 & 250 gpm",
         "38mm to 65mm; 360,475,570,760 & 950 lpm",
         0,
         0,
         {95, 125, 150, 200, 250}}}},
      {"", false, false, kNoNozzleType, {}},
      {"  smooth bore ", true, true, kSmoothBore, {}},
      {"  fog--automatic ",
       true,
       true,
       kAutomaticNozzle,
       {{"2-1/2\" +; 150-1250 gpm", "65mm +; 570-4750 lpm", 150, 1250, {}},
        {"2-1/2+\" ; 300-2000 gpm", "65+mm ; 1140-7580 lpm", 300, 2000, {}}}},
      {"  fog--adjust. gallonage",
       true,
       true,
       kGallonageNozzle,
       {{"2-1/2\" +; 350 & 500 gpm", "65mm +; 1325 & 1895 lpm", 0, 0, {350, 500}},
        {"2-1/2\" +; 500,750,1000 & 1250 gpm",
         "65mm +; 1895, 2840, 3785 & 4731 lpm",
         0,
         0,
         {500, 750, 1000, 1250}},
        {"2-1/2\" +; 1250,1500,1750 & 2000 gpm",
         "65mm +; 4730, 5680, 6624 & 7570 lpm",
         0,
         0,
         {1250, 1500, 1750, 2000}}}},
      {"", false, true, kNoNozzleType, {}},
      {"", false, true, kNoNozzleType, {}},
  }};
  return rows;
}

struct MetricBore {
  int nominal;
  double exact;
};
constexpr MetricBore kMetricBores[] = {{13, 12.7}, {16, 15.88},  {19, 19.05}, {22, 22.225},
                                       {25, 25.4}, {29, 28.575}, {32, 31.75}, {35, 34.925},
                                       {38, 38.1}, {45, 44.45},  {50, 50.8},  {57, 57.15},
                                       {65, 63.5}, {70, 69.8},   {77, 76.2}};

}  // namespace

const NozzleRow& CatalogueRow(int row) {
  const auto& rows = Catalogue();
  return rows[static_cast<std::size_t>(row >= 0 && row < kNozzleRows ? row : 3)];
}

bool IsSelectableRow(int row) {
  return row >= 0 && row < kNozzleRows && CatalogueRow(row).Selectable;
}

int RowOfNozzle(int type, bool isMaster) {
  int offset = isMaster ? 4 : 0;
  switch (type) {
    case kSmoothBore:
      return offset;
    case kFogNozzle:
    case kAutomaticNozzle:
      return offset + 1;
    case kGallonageNozzle:
      return offset + 2;
    default:
      return 0;
  }
}

double RatedNozzlePress(bool isMaster, int type) {
  if (type == kSmoothBore) return isMaster ? 80.0 : 50.0;
  return 100.0;
}

const std::vector<std::string>& BoreChoices(bool metric) {
  static const std::vector<std::string> inches{"1/2",   "5/8",   "3/4",   "7/8",   "1",
                                               "1-1/8", "1-1/4", "1-3/8", "1-1/2", "1-3/4",
                                               "2",     "2-1/4", "2-1/2", "2-3/4", "3"};
  static const std::vector<std::string> mm{"13", "16", "19", "22", "25", "29", "32", "35",
                                           "38", "45", "50", "57", "65", "70", "77"};
  return metric ? mm : inches;
}

double ExactBoreMm(double mm) {
  for (const MetricBore& b : kMetricBores) {
    if (mm == b.nominal) return b.exact;
  }
  return mm;
}

bool BoreChoiceFeet(const std::string& item, bool metric, double& feet) {
  EntryValue v = TextToDiameter(item);
  if (v.ErrorCode != kErrNone || !(v.Value > 0)) return false;
  double inches = metric ? ExactBoreMm(v.Value) / kMmPerInchExact : v.Value;
  feet = inches / 12;
  return true;
}

int FindBoreChoice(double tipDiamFeet, bool metric) {
  const auto& items = BoreChoices(metric);
  double inches = tipDiamFeet * 12;
  int best = -1;
  double bestGap = metric ? 1.0 : 0.01;
  for (std::size_t i = 0; i < items.size(); ++i) {
    double feet = 0;
    if (!BoreChoiceFeet(items[i], metric, feet)) continue;
    double gap = std::fabs(feet * 12 - inches) * (metric ? kMmPerInchExact : 1.0);
    if (gap <= bestGap) {
      best = static_cast<int>(i);
      bestGap = gap;
    }
  }
  return best;
}

int FindNozzleSize(int row, int autoMin, int autoMax,
                   const std::array<int, kGpmSettings>& settings) {
  const NozzleRow& r = CatalogueRow(row);
  for (std::size_t i = 0; i < r.Sizes.size(); ++i) {
    const NozzleSize& z = r.Sizes[i];
    if (r.Type == kAutomaticNozzle) {
      if (z.MinGpm == autoMin && z.MaxGpm == autoMax) return static_cast<int>(i);
    } else if (r.Type == kGallonageNozzle) {
      // The non-zero settings of both, in order.
      std::vector<int> a, b;
      for (int g : z.Settings)
        if (g != 0) a.push_back(g);
      for (int g : settings)
        if (g != 0) b.push_back(g);
      if (!a.empty() && a == b) return static_cast<int>(i);
    }
  }
  return -1;
}

std::string NozzlePictureName(int type, bool isMaster, int masterKind, bool withHandle) {
  std::string kind;
  if (type == kSmoothBore) {
    kind = "STR";
  } else if (type == kFogNozzle || type == kAutomaticNozzle || type == kGallonageNozzle) {
    kind = "FOG";
  } else {
    return "";
  }
  if (!isMaster) return "NZ_" + kind + (withHandle ? "_TIP" : "_TIP_NO_HND");
  const char* mount = masterKind == kPortableMonitor  ? "_PORT"
                      : masterKind == kElevatedMaster ? "_ELEV"
                                                      : "_DECK";
  return "NZ_" + kind + mount;
}

std::string NozzlePictureName(const TDischargeRec& d, bool withHandle) {
  return NozzlePictureName(d.NozzleType, d.IsMaster, d.MasterKind, withHandle);
}

std::string NozzleTypeName(int type) {
  switch (type) {
    case kSmoothBore:
      return "straight";
    case kFogNozzle:
      return "fog";
    case kAutomaticNozzle:
      return "automatic";
    case kGallonageNozzle:
      return "gallonage";
    default:
      return "";
  }
}

std::string NoNozzleMessage(int line) {
  return "No nozzle defined for discharge " + std::to_string(line);
}

}  // namespace pumpdrill
