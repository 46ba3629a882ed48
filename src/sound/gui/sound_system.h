// The windowed program's sound: the cue layer over an output, and the short
// timer that starts the layer's follow-ups when they fall due. The timer
// runs only while a follow-up is pending, also under a modal question.
#pragma once

#include <QObject>
#include <QTimer>

#include "sound/sound_layer.h"

namespace pumpdrill {

class SoundSystem : public QObject, public SoundCues {
 public:
  static constexpr int kPollMs = 10;

  SoundSystem(SoundBackend& backend, const TOptions& options, Clock& clock, Alerts& alerts);
  ~SoundSystem() override;

  // Start-up: with a wave device the layer is initialised with the
  // program's own sounds; without one nothing is tried.
  void Start(int waveDevices, int engineVolumePercent, const std::string& soundsDirectory);
  // Whether InitSound was tried and failed (the options dialog says so).
  bool InitFailed() const { return initFailed_; }
  void Shutdown();

  void SoundCue(int cue, int param, bool flag = false, const std::string& file = {}) override;
  bool CuePlaying(int cue) { return layer_.CuePlaying(cue); }
  SoundLayer& layer() { return layer_; }

 private:
  void Poll();

  SoundLayer layer_;
  QTimer poll_;
  bool initFailed_ = false;
};

}  // namespace pumpdrill
