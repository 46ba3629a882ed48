#include "panel/file/panel_file_commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "frame/evolution_commands.h"
#include "frame/file_copy.h"
#include "panel/file/panel_file_steps.h"

namespace fs = std::filesystem;

namespace pumpdrill {

namespace {

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec1, ec2;
  const fs::path x = fs::weakly_canonical(fs::absolute(a), ec1);
  const fs::path y = fs::weakly_canonical(fs::absolute(b), ec2);
  return !ec1 && !ec2 && x == y;
}

bool InPanelsFolder(const PanelFileTarget& t, const std::string& chosen) {
  const std::string folder = fs::path(chosen).parent_path().string();
  return folder.empty() || SameFolder(folder, t.panelsDirectory);
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

}  // namespace

bool PanelNeedsName(const State& s) {
  const std::string name = s.PumpControl.PanelFileName.str();
  return name.empty() || name == kTemporaryPanelName;
}

std::string PanelDialogPreset(const State& s) {
  return PanelNeedsName(s) ? std::string() : s.PumpControl.PanelFileName.str();
}

PanelFileOutcome OpenChosenPanel(PanelFileTarget& t, const std::string& chosen, Host& host) {
  const std::string name = FileNameOf(chosen);
  if (!InPanelsFolder(t, chosen) && IsExistingFile(chosen)) {
    const std::string target = PanelFilePath(t.panelsDirectory, name);
    if (IsExistingFile(target) && Contents(target) != Contents(chosen)) {
      const Answer a = host.Message(MsgType::Confirmation, Buttons::YesNo,
                                    "The Panels folder already holds a different panel file \"" +
                                        target + "\".  Replace it with \"" + chosen + "\"?");
      if (a != Answer::Yes) return {};
    }
    try {
      CopyFileChecked(chosen, target);
    } catch (const FileCopyError& e) {
      host.Message(MsgType::Error, Buttons::Ok, e.what());
      return {};
    }
  }
  return TransferPanelConfiguration(t, name, kPanelFileLoad, host);
}

PanelFileOutcome SaveChosenPanelAs(PanelFileTarget& t, const std::string& chosen, Host& host) {
  const std::string name = FileNameOf(chosen);
  if (!InPanelsFolder(t, chosen)) {
    const std::string target = PanelFilePath(t.panelsDirectory, name);
    if (IsExistingFile(target) &&
        host.Message(MsgType::Confirmation, Buttons::YesNo,
                     "The panel is saved in the Panels folder, where \"" + target +
                         "\" already exists.  Replace it?") != Answer::Yes)
      return {};
  }
  return TransferPanelConfiguration(t, name, kPanelFileSave, host);
}

int DeletePanelFiles(const std::vector<std::string>& paths, Host& host) {
  int deleted = 0;
  for (const std::string& path : paths) {
    if (host.Message(MsgType::Confirmation, Buttons::YesNo, "Delete " + path) != Answer::Yes)
      continue;
    std::error_code ec;
    if (fs::remove(path, ec) && !ec) {
      ++deleted;
    } else {
      host.Message(MsgType::Error, Buttons::Ok,
                   PanelFileQuoted(path) + "  could not be deleted: " +
                       (ec ? ec.message() : std::string("it does not exist")));
    }
  }
  return deleted;
}

}  // namespace pumpdrill
