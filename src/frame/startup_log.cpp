#include "frame/startup_log.h"

#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION 1
#endif
#include <SimpleIni.h>

#include <cstdio>

namespace pumpdrill {

struct StartupLog::Impl {
  CSimpleIniA ini{false, false, false};
};

StartupLog::StartupLog() : impl_(std::make_unique<Impl>()) {}
StartupLog::~StartupLog() = default;

void StartupLog::Restart(const std::string& path) {
  path_ = path;
  impl_->ini.Reset();
  if (!path_.empty()) std::remove(path_.c_str());
}

void StartupLog::WriteInitLog(const std::string& section, const std::string& key,
                              const std::string& value) {
  if (path_.empty()) return;
  impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
  impl_->ini.SaveFile(path_.c_str(), false);
}

}  // namespace pumpdrill
