// The start-up log "LASTINIT.TXT" in the Ini folder: an INI file with one
// section and key per checkpoint of the start-up sequence, recreated at every
// start. Help > Run Info shows it, so a start that went wrong can be traced.
#pragma once

#include <memory>
#include <string>

namespace pumpdrill {

inline constexpr const char* kStartupLogName = "LASTINIT.TXT";

class StartupLog {
 public:
  StartupLog();
  ~StartupLog();
  StartupLog(const StartupLog&) = delete;
  StartupLog& operator=(const StartupLog&) = delete;

  // Deletes the log at path and starts an empty one there. An empty path
  // makes every later write a no-op.
  void Restart(const std::string& path);

  // Writes one entry and saves the file at once, so that the log shows how
  // far a start came even when the program dies. Never fails visibly.
  void WriteInitLog(const std::string& section, const std::string& key, const std::string& value);

  const std::string& Path() const { return path_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string path_;
};

}  // namespace pumpdrill
