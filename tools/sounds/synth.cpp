#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pumpdrill::sounds {

double Noise::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 2147483647.5 - 1.0;
}

double Harmonics(double phase, const std::vector<double>& amps) {
  double v = 0;
  for (std::size_t k = 0; k < amps.size(); ++k)
    v += amps[k] * std::sin(2 * std::numbers::pi * static_cast<double>(k + 1) * phase);
  return v;
}

void Mix(Samples& dst, const Samples& src, std::size_t at, double scale) {
  if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0);
  for (std::size_t i = 0; i < src.size(); ++i) dst[at + i] += scale * src[i];
}

void FadeEnds(Samples& s, int rate, double inSeconds, double outSeconds) {
  const std::size_t in = std::min(s.size(), static_cast<std::size_t>(inSeconds * rate));
  const std::size_t out = std::min(s.size(), static_cast<std::size_t>(outSeconds * rate));
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / static_cast<double>(in);
  for (std::size_t i = 0; i < out; ++i)
    s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
}

Samples RingNoise(std::size_t n, double smoothing, Noise& noise) {
  Samples white(n), out(n);
  for (double& w : white) w = noise.Next();
  double y = 0;
  // The second lap starts from where the first ended, so the last sample
  // leads into the first as any two neighbours do.
  for (int lap = 0; lap < 2; ++lap)
    for (std::size_t i = 0; i < n; ++i) out[i] = y += (white[i] - y) * (1.0 - smoothing);
  return out;
}

void Normalize(Samples& s, double peak) {
  double top = 0;
  for (double v : s) top = std::max(top, std::abs(v));
  if (top <= 0) return;
  for (double& v : s) v *= peak / top;
}

namespace {
void Put(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
}  // namespace

std::string WavFile(const Samples& s, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  std::string f = "RIFF";
  Put(f, 36 + dataBytes, 4);
  f += "WAVEfmt ";
  Put(f, 16, 4);
  Put(f, 1, 2);  // PCM
  Put(f, 1, 2);  // mono
  Put(f, static_cast<std::uint32_t>(rate), 4);
  Put(f, static_cast<std::uint32_t>(rate) * 2, 4);
  Put(f, 2, 2);
  Put(f, 16, 2);
  f += "data";
  Put(f, dataBytes, 4);
  for (double v : s) {
    auto q = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    Put(f, static_cast<std::uint16_t>(q), 2);
  }
  return f;
}

}  // namespace pumpdrill::sounds
