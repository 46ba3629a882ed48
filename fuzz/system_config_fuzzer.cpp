// The system's "/etc/tidewarden-pumpdrill.conf": whatever it holds, an
// installed program either takes one full folder path from it or ignores it
// with a reason, and always ends up with a main directory.
#include <cstdlib>
#include <filesystem>

#include "frame/main_directory.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  static const fs::path root = [] {
    fs::path r = fuzz::ScratchFolder() / "installed";
    fs::create_directories(r / "usr" / "bin");
    fs::create_directories(r / "usr" / "share" / kPackageName);
    return r;
  }();
  MainDirectoryQuestion q;
  q.ProgramPath = (root / "usr" / "bin" / "pumpdrill").string();
  q.Home = (root / "home").string();
  q.SystemConfig = fuzz::WriteInput(data, size, "tidewarden-pumpdrill.conf");
  const MainDirectoryAnswer a = ChooseMainDirectory(q);
  const bool shared = a.Source == MainDirectorySource::SharedFolder;
  const bool perUser = a.Source == MainDirectorySource::PerUser;
  if (!(shared || perUser) || a.MainDirectory.empty() || a.MainDirectory.front() != '/' ||
      a.MainDirectory.back() != '/' || (shared && !a.ConfigProblem.empty()) ||
      (perUser &&
       a.MainDirectory != (root / "home" / ".local" / "share" / kPackageName).string() + "/"))
    std::abort();
  return 0;
}
