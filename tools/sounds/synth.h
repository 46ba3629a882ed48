// Small building blocks for the cue sounds: a fixed-seed noise source,
// tones, envelopes and the 16-bit WAV file they end up in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pumpdrill::sounds {

using Samples = std::vector<double>;  // -1..1

// The same noise on every build.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next();  // uniform in -1..1

 private:
  std::uint32_t state_;
};

// A sum of sines; harmonic k has amplitude amps[k - 1] at k times f.
double Harmonics(double phase, const std::vector<double>& amps);

// Adds src into dst from sample at, scaled.
void Mix(Samples& dst, const Samples& src, std::size_t at = 0, double scale = 1.0);

// Ramps the first and last seconds of a sound played once, so it neither
// starts nor ends with a click.
void FadeEnds(Samples& s, int rate, double inSeconds, double outSeconds);

// One-pole low-pass of white noise over a ring: the end joins the start,
// so the noise can loop.
Samples RingNoise(std::size_t n, double smoothing, Noise& noise);

// Scales the sound so that its highest peak is peak (below full scale).
void Normalize(Samples& s, double peak);

// A 16-bit mono PCM WAV file of the sound.
std::string WavFile(const Samples& s, int rate);

}  // namespace pumpdrill::sounds
