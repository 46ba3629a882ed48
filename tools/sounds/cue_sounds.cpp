#include "cue_sounds.h"

#include <cmath>
#include <numbers>

namespace pumpdrill::sounds {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kEngineRate = 30000;
constexpr int kRate = 22050;
constexpr double kFiringHz = 40;  // the drone's fundamental at idle
const std::vector<double> kDrone = {1, 0.62, 0.46, 0.34, 0.26, 0.2, 0.13, 0.1, 0.07, 0.05, 0.04, 0.03};

std::size_t Len(double seconds, int rate) { return static_cast<std::size_t>(seconds * rate); }

// A tone whose frequency follows hz(t), with an amplitude envelope amp(t).
template <class Freq, class Amp>
Samples Sweep(double seconds, int rate, const std::vector<double>& harmonics, Freq hz, Amp amp) {
  Samples s(Len(seconds, rate));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    s[i] = amp(t) * Harmonics(phase, harmonics);
    phase += hz(t) / rate;
    phase -= std::floor(phase);
  }
  return s;
}

// Low, damped thud; pitch drops a little as it dies away.
Samples Thump(double seconds, int rate, double hz, double decay, double noiseLevel, Noise& noise) {
  Samples s(Len(seconds, rate));
  double phase = 0, y = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    y += (noise.Next() - y) * 0.15;
    s[i] = std::exp(-t * decay) * std::sin(kTwoPi * phase) + noiseLevel * std::exp(-t * decay * 4) * y;
    phase += hz * (1.0 - 0.25 * std::min(t * 4, 1.0)) / rate;
  }
  return s;
}

// The diesel at its firing frequency: harmonics and a combustion knock on
// each firing, from noise of the loop's own length so the loop stays whole.
Samples DieselLoop(double seconds, Noise& noise) {
  const std::size_t n = Len(seconds, kEngineRate);
  Samples knock = RingNoise(n, 0.55, noise);
  Samples s(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kEngineRate;
    const double phase = kFiringHz * t - std::floor(kFiringHz * t);
    const double slow = 1.0 + 0.08 * std::sin(kTwoPi * (kFiringHz / 4) * t);  // uneven cylinders
    s[i] = slow * Harmonics(kFiringHz * t, kDrone) + 0.9 * std::exp(-phase * 9) * knock[i];
  }
  return s;
}

Samples EngineStart(Noise& noise) {
  const double crank = 0.7, seconds = 1.25;
  // Starter motor: a whine that labours on each compression stroke.
  Samples s = Sweep(
      crank, kEngineRate, {1, 0.35, 0.15}, [](double t) { return 560 + 160 * t; },
      [](double t) { return 0.35 * (0.55 + 0.45 * std::abs(std::sin(kTwoPi * 2.6 * t))); });
  FadeEnds(s, kEngineRate, 0.01, 0.08);
  // It catches: the drone flares and settles to idle, then gives way to the loop.
  Samples catching = Sweep(
      seconds - crank + 0.05, kEngineRate, kDrone,
      [](double t) { return kFiringHz * (1.0 + 0.35 * std::exp(-t * 5)); },
      [](double t) { return std::min(t / 0.06, 1.0); });
  Samples rumble = RingNoise(catching.size(), 0.6, noise);
  for (std::size_t i = 0; i < catching.size(); ++i) catching[i] += 0.25 * rumble[i];
  FadeEnds(catching, kEngineRate, 0.0, 0.3);
  Mix(s, catching, Len(crank - 0.05, kEngineRate));
  return s;
}

Samples EngineStop(Noise& noise) {
  Samples s = Sweep(
      1.8, kEngineRate, kDrone, [](double t) { return 12 + (kFiringHz - 12) * std::exp(-t * 1.6); },
      [](double t) { return std::exp(-t * 1.4); });
  Samples rumble = RingNoise(s.size(), 0.6, noise);
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] += 0.2 * std::exp(-static_cast<double>(i) / kEngineRate * 2.5) * rumble[i];
  Mix(s, Thump(0.4, kEngineRate, 30, 9, 0.3, noise), Len(1.2, kEngineRate), 0.4);  // the last shudder
  FadeEnds(s, kEngineRate, 0.005, 0.25);
  return s;
}

const std::vector<double> kVane = {1, 0.45, 0.22, 0.1};

Samples PrimerStart(Noise& noise) {
  Samples s = Thump(0.25, kRate, 90, 28, 1.2, noise);  // the clutch engaging
  Samples spin = Sweep(
      0.55, kRate, kVane, [](double t) { return 150 + 950 * std::min(t / 0.45, 1.0); },
      [](double t) { return 0.5 * std::min(t / 0.3, 1.0); });
  Mix(s, spin, Len(0.05, kRate));
  FadeEnds(s, kRate, 0.002, 0.05);
  return s;
}

// The vane pump at full speed, a whole number of periods in one second.
Samples PrimerLoop(double whineHz, double gurgle, double water, Noise& noise) {
  const std::size_t n = Len(1.0, kRate);
  Samples air = RingNoise(n, 0.85, noise);
  Samples flow = RingNoise(n, 0.97, noise);
  Samples s(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double bubbles = std::pow(0.5 + 0.5 * std::sin(kTwoPi * 7 * t) * std::sin(kTwoPi * 3 * t), 3);
    s[i] = 0.45 * Harmonics(whineHz * t, kVane) + 0.2 * std::sin(kTwoPi * 120 * t) +
           gurgle * bubbles * air[i] + water * flow[i];
  }
  return s;
}

Samples PrimerEnd(double fromHz, bool wet, Noise& noise) {
  Samples s = Sweep(
      0.8, kRate, kVane, [fromHz](double t) { return 80 + (fromHz - 80) * std::exp(-t * 4); },
      [](double t) { return 0.5 * std::exp(-t * 3); });
  if (wet) Mix(s, Thump(0.35, kRate, 60, 14, 1.0, noise), Len(0.45, kRate), 0.8);
  FadeEnds(s, kRate, 0.005, 0.1);
  return s;
}

// Bell-like notes one after another.
Samples Chime(const std::vector<double>& notes, double gap, double seconds) {
  Samples s(Len(seconds, kRate));
  for (std::size_t k = 0; k < notes.size(); ++k) {
    const std::size_t at = Len(gap * static_cast<double>(k), kRate);
    for (std::size_t i = at; i < s.size(); ++i) {
      const double t = static_cast<double>(i - at) / kRate;
      const double env = std::min(t / 0.004, 1.0) * std::exp(-t * 3.5);
      const double f = notes[k];
      s[i] += env * (std::sin(kTwoPi * f * t) + 0.35 * std::sin(kTwoPi * 2 * f * t) * std::exp(-t * 3) +
                     0.12 * std::sin(kTwoPi * 3.01 * f * t) * std::exp(-t * 6));
    }
  }
  FadeEnds(s, kRate, 0.0, 0.2);
  return s;
}

Samples ResumeTone() {
  Samples s = Sweep(
      0.3, kRate, {1, 0, 0.2}, [](double) { return 880.0; },
      [](double t) { return std::min(t / 0.01, 1.0) * std::exp(-t * 8); });
  FadeEnds(s, kRate, 0.0, 0.05);
  return s;
}

Samples WaterHammer(Noise& noise) {
  Samples s = Thump(1.0, kRate, 38, 5.5, 0.0, noise);
  Mix(s, Thump(0.5, kRate, 140, 20, 2.5, noise), 0, 0.5);  // the burst as the valve slams
  Samples ring = Sweep(
      1.0, kRate, {1, 0.3}, [](double) { return 212.0; }, [](double t) { return 0.25 * std::exp(-t * 8); });
  Mix(s, ring, Len(0.01, kRate));
  FadeEnds(s, kRate, 0.001, 0.2);
  return s;
}

}  // namespace

std::vector<CueSound> MakeCueSounds() {
  Noise noise(0x5EED2101u);
  std::vector<CueSound> cues;
  cues.push_back({"SND_ENG_START", kEngineRate, false, EngineStart(noise)});
  cues.push_back({"SND_ENG_LOOP_SET_THROTTLE", kEngineRate, true, DieselLoop(1.5, noise)});
  cues.push_back({"SND_ENG_STOP", kEngineRate, false, EngineStop(noise)});
  cues.push_back({"SND_PRIMER_START", kRate, false, PrimerStart(noise)});
  cues.push_back({"SND_PRIMER_PRIMING_LOOP", kRate, true, PrimerLoop(1100, 0.9, 0.05, noise)});
  cues.push_back({"SND_PRIMER_PRIMED_LOOP", kRate, true, PrimerLoop(900, 0.1, 0.35, noise)});
  cues.push_back({"SND_PRIMER_PRIMED_END", kRate, false, PrimerEnd(900, true, noise)});
  cues.push_back({"SND_PRIMER_NOT_PRIMED_END", kRate, false, PrimerEnd(1100, false, noise)});
  cues.push_back({"SND_START_SIM", kRate, false, Chime({523.25, 659.25, 783.99}, 0.16, 1.6)});
  cues.push_back({"SND_COMPLETED_SIM", kRate, false, Chime({783.99, 659.25, 523.25}, 0.2, 1.8)});
  cues.push_back({"SND_RESUME_SIM", kRate, false, ResumeTone()});
  cues.push_back({"SND_WATER_HAMMER", kRate, false, WaterHammer(noise)});
  for (CueSound& c : cues) Normalize(c.Wave, c.Loops ? 0.7 : 0.85);
  return cues;
}

}  // namespace pumpdrill::sounds
