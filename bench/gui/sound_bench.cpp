// The sound requests of a tick on OpenAL Soft's null output: the tick asks
// for the engine loop every 15 ms, with the frequency of the engine speed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include "program_sounds.h"
#include "sim/host.h"
#include "sound/openal/openal_sound_backend.h"
#include "sound/sound_layer.h"

namespace {

using namespace pumpdrill;

// changing: the engine speed changes every tick (a new pitch each time);
// otherwise steady (the request only finds the loop playing).
void BM_EngineLoopRequest(benchmark::State& state, bool changing) {
  OpenAlSoundBackend output;
  NullHost host;
  TOptions options;
  SoundLayer layer(output, options, host, host);
  if (!layer.InitSound(ProgramSoundBytes)) {
    state.SkipWithError("no OpenAL output");
    return;
  }
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 30000);
  int frequency = 30000;
  for (auto _ : state) {
    if (changing) frequency = frequency >= 55000 ? 30000 : frequency + 7;
    layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, frequency);
  }
  layer.ShutdownSound();
}
BENCHMARK_CAPTURE(BM_EngineLoopRequest, steady, false);
BENCHMARK_CAPTURE(BM_EngineLoopRequest, pitch_changing, true);

}  // namespace

int main(int argc, char** argv) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
