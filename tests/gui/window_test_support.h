// Support for the window tests: a scratch main directory laid out like the
// build's, a host that records messages instead of showing them, and
// screenshots of the windows under test.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QWidget>
#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/gui/window_host.h"

namespace pumpdrill::testing {

namespace fs = std::filesystem;

// The build's main directory (the image libraries lie there).
inline fs::path BuildMainDirectory() { return fs::path(PUMPDRILL_BIN_DIR).parent_path(); }

class ScratchMainDir {
 public:
  // withLibraries: copy the build's image libraries into it.
  explicit ScratchMainDir(bool withLibraries = true) {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("pumpdrill_gui_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
    if (withLibraries)
      for (const char* lib : {"panel04.dll", "misc04.dll"})
        fs::copy_file(BuildMainDirectory() / lib, path_ / lib);
  }
  ~ScratchMainDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  std::string str() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

struct ShownMessage {
  MsgType type;
  Buttons buttons;
  std::string text;
};

// Answers questions from a script (first button when it runs out), runs
// on a clock the test moves, and never waits.
class TestWindowHost : public WindowHost {
 public:
  TestWindowHost() { SkipWaits = true; }
  std::deque<Answer> answers;
  std::vector<ShownMessage> messages;
  double now = 500.0;

  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    messages.push_back({type, buttons, text});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  double MonotonicSeconds() override { return now; }
  // Notices are recorded as the messages are; nothing is shown.
  void Notify(MsgType type, const std::string& text) override { messages.push_back({type, Buttons::Ok, text}); }
  // The save dialog of the data records is offered only when a test asks for it.
  bool canChooseSaveName = false;
  bool CanChooseDataSaveName() override { return canChooseSaveName; }
};

inline std::string ReadTextFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void ProcessEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  } while (t.elapsed() < ms);
}

// Saves a picture of the widget into the build's screenshot folder and
// returns it.
inline QImage Screenshot(QWidget& w, const char* name) {
  QImage image = w.grab().toImage();
  fs::path dir = BuildMainDirectory() / "tests" / "screenshots";
  fs::create_directories(dir);
  // A run at twice the scale keeps its pictures beside the others.
  const std::string scale = qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? "_2x" : "";
  image.save(QString::fromStdString((dir / (std::string(name) + scale + ".png")).string()));
  return image;
}

// The number of different colours in the picture: a window that was drawn
// shows many, an undrawn one a single colour.
inline int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  return colours.size();
}

}  // namespace pumpdrill::testing
