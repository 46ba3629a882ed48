#include "frame/startup_log.h"

#include <cstdio>

#include "frame/ini_file.h"

namespace pumpdrill {

struct StartupLog::Impl {
  std::unique_ptr<IniFile> ini;
};

StartupLog::StartupLog() : impl_(std::make_unique<Impl>()) {}
StartupLog::~StartupLog() = default;

void StartupLog::Restart(const std::string& path) {
  path_ = path;
  impl_->ini.reset();
  if (path_.empty()) return;
  std::remove(path_.c_str());
  impl_->ini = std::make_unique<IniFile>(path_);
}

void StartupLog::WriteInitLog(const std::string& section, const std::string& key,
                              const std::string& value) {
  if (!impl_->ini) return;
  impl_->ini->Set(section, key, value);
  impl_->ini->Save();
}

}  // namespace pumpdrill
