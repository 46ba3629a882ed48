#include "sound/radio_voice.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace pumpdrill {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A second-order section (the cookbook forms), run in place.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

  static Biquad Pass(bool high, double hz, double rate) {
    const double w = 2 * kPi * hz / rate, c = std::cos(w), alpha = std::sin(w) / (2 * 0.7071);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (high ? (1 + c) / 2 : (1 - c) / 2) / a0;
    f.b1 = (high ? -(1 + c) : 1 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
  }
  double operator()(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// Noise from a fixed seed, the same on every machine.
struct Noise {
  std::uint32_t state = 0x2545F491u;
  double operator()() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 4294967295.0 * 2.0 - 1.0;
  }
};

std::vector<double> MonoSamples(const WavSound& s) {
  std::vector<double> out;
  const std::size_t frames = s.Frames();
  out.reserve(frames);
  for (std::size_t f = 0; f < frames; ++f) {
    double sum = 0;
    for (int c = 0; c < s.Channels; ++c) {
      const std::size_t i = f * s.Channels + c;
      if (s.BitsPerSample == 16) {
        const auto lo = static_cast<unsigned char>(s.Data[2 * i]);
        const auto hi = static_cast<unsigned char>(s.Data[2 * i + 1]);
        sum += static_cast<std::int16_t>(lo | (hi << 8)) / 32768.0;
      } else {
        sum += (static_cast<unsigned char>(s.Data[i]) - 128) / 128.0;
      }
    }
    out.push_back(sum / std::max(1, s.Channels));
  }
  return out;
}

void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

}  // namespace

std::string RadioVoiceWav(const WavSound& speech) {
  const int rate = speech.SampleRate > 0 ? speech.SampleRate : 22050;
  std::vector<double> voice = MonoSamples(speech);
  double peak = 1e-9;
  for (double v : voice) peak = std::max(peak, std::abs(v));

  Noise noise;
  const std::size_t burst = static_cast<std::size_t>(0.14 * rate);
  const std::size_t gap = static_cast<std::size_t>(0.05 * rate);
  std::vector<double> out;
  out.reserve(voice.size() + 2 * (burst + gap));
  auto squelch = [&] {
    for (std::size_t i = 0; i < burst; ++i) {
      const double fade = std::min(1.0, std::min(i, burst - i) / (0.01 * rate));
      out.push_back(0.55 * fade * noise());
    }
    for (std::size_t i = 0; i < gap; ++i) out.push_back(0.02 * noise());
  };
  squelch();
  for (double v : voice) out.push_back(std::tanh(2.2 * v / peak) * 0.8 + 0.02 * noise());
  for (std::size_t i = 0; i < gap; ++i) out.push_back(0.02 * noise());
  squelch();

  // Two sections each way: a steep speech band.
  Biquad hp1 = Biquad::Pass(true, 300, rate), hp2 = Biquad::Pass(true, 300, rate);
  Biquad lp1 = Biquad::Pass(false, 3000, rate), lp2 = Biquad::Pass(false, 3000, rate);
  std::string pcm;
  pcm.reserve(out.size() * 2);
  for (double v : out) {
    const double y = std::clamp(lp2(lp1(hp2(hp1(v)))), -1.0, 1.0);
    Put16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(y * 30000))));
  }

  std::string wav = "RIFF";
  Put32(wav, static_cast<std::uint32_t>(36 + pcm.size()));
  wav += "WAVEfmt ";
  Put32(wav, 16);
  Put16(wav, 1);
  Put16(wav, 1);
  Put32(wav, static_cast<std::uint32_t>(rate));
  Put32(wav, static_cast<std::uint32_t>(rate * 2));
  Put16(wav, 2);
  Put16(wav, 16);
  wav += "data";
  Put32(wav, static_cast<std::uint32_t>(pcm.size()));
  return wav + pcm;
}

}  // namespace pumpdrill
