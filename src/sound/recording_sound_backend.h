// A sound output that plays nothing and records what it is asked, for the
// tests and for a program without sound output. A voice played once keeps
// "playing" until Finish() ends it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "sound/sound_backend.h"

namespace pumpdrill {

class RecordingSoundBackend : public SoundBackend {
 public:
  static constexpr int kVoices = 14;
  struct VoiceState {
    bool Loaded = false, Playing = false, Looping = false;
    double Gain = 1, Pitch = 1;
    int Starts = 0;  // how often it was played from the start
    WavSound Sound;
  };

  bool Open(std::string& step, std::string& error) override {
    if (!openError.empty()) {
      step = "Open sound device";
      error = openError;
      return false;
    }
    log.push_back("open");
    return true;
  }
  void Close() override { log.push_back("close"); }
  bool Load(int v, const WavSound& sound, std::string& error) override {
    if (!Valid(v)) return false;
    (void)error;
    voices[v] = VoiceState{};
    voices[v].Loaded = true;
    voices[v].Sound = sound;
    log.push_back("load " + std::to_string(v));
    return true;
  }
  void Play(int v, bool loop) override {
    if (!Valid(v)) return;
    voices[v].Playing = true;
    voices[v].Looping = loop;
    ++voices[v].Starts;
    log.push_back((loop ? "loop " : "play ") + std::to_string(v));
  }
  void Stop(int v) override {
    if (!Valid(v)) return;
    if (voices[v].Playing) log.push_back("stop " + std::to_string(v));
    voices[v].Playing = false;
  }
  void SetGain(int v, double gain) override {
    if (!Valid(v)) return;
    voices[v].Gain = gain;
    log.push_back("gain " + std::to_string(v));
  }
  void SetPitch(int v, double pitch) override {
    if (!Valid(v)) return;
    voices[v].Pitch = pitch;
    log.push_back("pitch " + std::to_string(v));
  }
  bool IsPlaying(int v) override { return Valid(v) && voices[v].Playing; }
  void Release(int v) override {
    if (!Valid(v)) return;
    if (voices[v].Loaded) log.push_back("release " + std::to_string(v));
    voices[v] = VoiceState{};
  }

  // A sound played once has come to its end.
  void Finish(int v) {
    if (Valid(v) && !voices[v].Looping) voices[v].Playing = false;
  }
  int Count(const std::string& entry) const {
    int n = 0;
    for (const std::string& e : log) n += e == entry;
    return n;
  }

  std::string openError;  // set to make Open fail with it
  std::array<VoiceState, kVoices> voices{};
  std::vector<std::string> log;

 private:
  static bool Valid(int v) { return v >= 0 && v < kVoices; }
};

}  // namespace pumpdrill
