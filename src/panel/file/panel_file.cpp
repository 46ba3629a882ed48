#include "panel/file/panel_file.h"

#include <filesystem>

#include "frame/evolution_commands.h"
#include "frame/file_copy.h"
#include "frame/ini_file.h"
#include "panel/file/panel_file_steps.h"

namespace pumpdrill {

namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void SetPanelFileName(State& s, const std::string& name) {
  s.PumpControl.PanelFileName = name.substr(0, Utf8PrefixLength(name, 255));
}

}  // namespace

std::string PanelFileQuoted(const std::string& path) {
  return "Panel configuration file  \"" + path + "\"";
}

std::string CurrentPanelFileName(State& s) {
  if (s.PumpControl.PanelFileName.empty()) s.PumpControl.PanelFileName = kTemporaryPanelName;
  return s.PumpControl.PanelFileName.str();
}

std::string PanelFilePath(const std::string& folder, const std::string& name) {
  const std::string exact = folder + name;
  std::error_code ec;
  if (name.empty() || std::filesystem::exists(exact, ec)) return exact;
  const std::string wanted = Lower(name);
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string found = entry.path().filename().string();
    if (Lower(found) == wanted) return folder + found;
  }
  return exact;
}

bool PanelFileExists(const std::string& folder, const std::string& name) {
  return IsExistingFile(PanelFilePath(folder, name));
}

PanelFileOutcome TransferPanelConfiguration(PanelFileTarget& t, const std::string& fileName,
                                            int mode, Host& host) {
  PanelFileOutcome out;
  const std::string previous = t.s.PumpControl.PanelFileName.str();
  SetPanelFileName(t.s, FileNameOf(fileName));
  const std::string path = PanelFilePath(t.panelsDirectory, CurrentPanelFileName(t.s));
  if (mode == kPanelFileSave) {
    out.Done = SavePanelFile(t, path, host);
    if (!out.Done) SetPanelFileName(t.s, previous);
  } else if (mode == kPanelFileLoad) {
    out.Done = LoadPanelFile(t, path, out, host);
  }
  return out;
}

std::string IOToPanelFile(State& s, const std::string& folder, int mode, const std::string& section,
                          const std::string& key, const std::string& value, bool& reported,
                          Host& host) {
  const std::string path = PanelFilePath(folder, CurrentPanelFileName(s));
  IniFile ini(path);
  if (mode == kPanelKeyRead) {
    if (!IsExistingFile(path)) {
      if (!reported) {
        host.Message(MsgType::Information, Buttons::Ok,
                     "Panel \"" + path + " does not exist.  No values read.");
        reported = true;
      }
      return value;
    }
    if (!ini.Load()) return value;
    return ini.Get(section, key, value);
  }
  if (mode == kPanelKeyWrite) {
    if (ini.Load()) {
      ini.Set(section, key, value);
      if (ini.Save()) return value;
    }
    if (!reported) {
      host.Message(MsgType::Error, Buttons::Ok,
                   PanelFileQuoted(path) + "  could not be saved: " + ini.Error());
      reported = true;
    }
  }
  return value;
}

}  // namespace pumpdrill
