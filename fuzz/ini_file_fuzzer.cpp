// Any INI text through IniFile: read, listed, changed and written back.
#include "frame/ini_file.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteInput(data, size, "any.ini");
  IniFile ini(path);
  if (!ini.Load()) return 0;
  for (const char* section : {"Desktop", "Panel", "Hose Diameters", ""}) {
    for (const std::string& key : ini.Keys(section)) (void)ini.Get(section, key, "");
  }
  ini.Set("Desktop", "Fuzzed", "1");
  ini.ClearSection("Panel");
  (void)ini.Text();
  ini.Save();
  return 0;
}
