// The user's settings, kept in section "Desktop" of the configuration
// file. The record lives only in memory; it is not part of an Evolution.
#pragma once

#include <string>

#include "sim/types.h"

namespace pumpdrill {

struct TOptions {
  std::string DeptName = "KVL Hose Co. No. 1";  // the panel's department box
  bool AskToSaveDataRecord = true;              // asked when the main window closes
  SmallInt EngVolPercent = 85;                  // volume of the engine sound
  bool UseDefaultEvolution = false;             // open an Evolution at start-up
  std::string DefaultEvolutionName;             // file name in the Evolutions folder
  std::string DefaultLoginClass;                // class offered at student login
  bool ShowAllHints = true;                     // tool tips throughout the program
  bool MetricUnits = false;                     // show and enter values in metric units
  bool UseBars = false;                         // metric pressure in bar instead of kPa
  bool UseWavSound = true;                      // off when there is no wave output device
  bool EngineSound = true;                      // off without a wave device or WAV sound
  bool RadioUse = true;                         // off without a wave device or WAV sound
  Double RadioMean = 13;                        // random radio calls
  Double RadioVariance = 10;                    // random radio calls
  Double NextRandomRadioTime = 0;               // run-time value, not stored
  bool AutoNozzleOperation = true;              // automatic nozzle step of the tick
  bool RecordDataOnStartup = true;
  bool PlotStayOnTop = false;
  bool PlotPrintoutFit = true;                  // fit the chart printout to the page
  Integer MaxDatafileKBytes = 3000;             // data-file size prompt of the tick
  Integer MaxSimRunTimeSecs = 1800;             // run-time limit; the file holds minutes
};

}  // namespace pumpdrill
