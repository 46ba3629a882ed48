#include "sound/openal/openal_sound_backend.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pumpdrill {

namespace {

std::string AlcErrorName(ALCenum e) {
  switch (e) {
    case ALC_INVALID_DEVICE: return "ALC_INVALID_DEVICE";
    case ALC_INVALID_CONTEXT: return "ALC_INVALID_CONTEXT";
    case ALC_INVALID_ENUM: return "ALC_INVALID_ENUM";
    case ALC_INVALID_VALUE: return "ALC_INVALID_VALUE";
    case ALC_OUT_OF_MEMORY: return "ALC_OUT_OF_MEMORY";
    default: return "ALC error " + std::to_string(e);
  }
}

std::string AlErrorName(ALenum e) {
  switch (e) {
    case AL_INVALID_NAME: return "AL_INVALID_NAME";
    case AL_INVALID_ENUM: return "AL_INVALID_ENUM";
    case AL_INVALID_VALUE: return "AL_INVALID_VALUE";
    case AL_INVALID_OPERATION: return "AL_INVALID_OPERATION";
    case AL_OUT_OF_MEMORY: return "AL_OUT_OF_MEMORY";
    default: return "AL error " + std::to_string(e);
  }
}

// OpenAL's own diagnostics, and those of the sound system below it, stay
// quiet while a device is opened, unless the user asks for them with
// ALSOFT_LOGLEVEL: the program says what failed once, in its own words.
class QuietDeviceOpen {
 public:
  QuietDeviceOpen() {
    if (std::getenv("ALSOFT_LOGLEVEL")) return;
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietDeviceOpen() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietDeviceOpen(const QuietDeviceOpen&) = delete;
  QuietDeviceOpen& operator=(const QuietDeviceOpen&) = delete;

 private:
  int saved_ = -1;
};

// The program's sounds are made at 22 050 Hz (tools/sounds), and so is the
// radio speech. Mixing them at the 48 kHz most devices default to took
// twice the processor time for nothing: about 2 % of one core during a run
// instead of 1 %. The device, or its sound server, takes the mix at its
// own rate.
constexpr ALCint kMixRate = 22050;
constexpr ALCint kMixAttributes[] = {ALC_FREQUENCY, kMixRate, 0};

ALCdevice* OpenDefaultDevice() {
  QuietDeviceOpen quiet;
  return alcOpenDevice(nullptr);
}

ALenum FormatOf(const WavSound& s) {
  if (s.Channels == 1) return s.BitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
  return s.BitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

}  // namespace

bool OpenAlSoundBackend::Open(std::string& step, std::string& error) {
  Close();
  device_ = OpenDefaultDevice();
  if (!device_) {
    step = "Open sound device";
    error = AlcErrorName(alcGetError(nullptr));
    if (error == "ALC error 0") error = "ALC_INVALID_DEVICE";
    return false;
  }
  context_ = alcCreateContext(device_, kMixAttributes);
  if (!context_ || !alcMakeContextCurrent(context_)) {
    step = "Create sound context";
    error = AlcErrorName(alcGetError(device_));
    Close();
    return false;
  }
  alGetError();
  alGenSources(kVoices, sources_.data());
  if (ALenum e = alGetError(); e != AL_NO_ERROR) {
    step = "Create sound sources";
    error = AlErrorName(e);
    sources_.fill(0);
    Close();
    return false;
  }
  lost_ = false;
  return true;
}

void OpenAlSoundBackend::Close() {
  if (context_) {
    for (unsigned& s : sources_)
      if (s) alSourceStop(s);
    alDeleteSources(kVoices, sources_.data());
    for (unsigned& b : buffers_)
      if (b) alDeleteBuffers(1, &b);
    sources_.fill(0);
    buffers_.fill(0);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    context_ = nullptr;
  }
  if (device_) alcCloseDevice(device_);
  device_ = nullptr;
}

bool OpenAlSoundBackend::Connected() {
  if (!device_) return false;
  if (lost_) return false;
  if (alcIsExtensionPresent(device_, "ALC_EXT_disconnect")) {
    ALCint connected = 1;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    lost_ = connected == 0;
  }
  return !lost_;
}

bool OpenAlSoundBackend::Usable(int voice) {
  return context_ && voice >= 0 && voice < kVoices && sources_[voice] && !lost_;
}

bool OpenAlSoundBackend::Load(int voice, const WavSound& sound, std::string& error) {
  if (!context_ || voice < 0 || voice >= kVoices) {
    error = "CreateSoundBuffer: no sound output";
    return false;
  }
  Release(voice);
  alGetError();
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  alBufferData(buffer, FormatOf(sound), sound.Data.data(), static_cast<ALsizei>(sound.Data.size()),
               sound.SampleRate);
  if (ALenum e = alGetError(); e != AL_NO_ERROR) {
    if (buffer) alDeleteBuffers(1, &buffer);
    error = "CreateSoundBuffer: " + AlErrorName(e);
    return false;
  }
  alSourcei(sources_[voice], AL_BUFFER, static_cast<ALint>(buffer));
  buffers_[voice] = buffer;
  return true;
}

void OpenAlSoundBackend::Play(int voice, bool loop) {
  if (!Usable(voice) || !buffers_[voice] || !Connected()) return;
  alSourcei(sources_[voice], AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
  alSourceRewind(sources_[voice]);
  alSourcePlay(sources_[voice]);
}

void OpenAlSoundBackend::Stop(int voice) {
  if (Usable(voice)) alSourceStop(sources_[voice]);
}

void OpenAlSoundBackend::SetGain(int voice, double gain) {
  if (Usable(voice)) alSourcef(sources_[voice], AL_GAIN, static_cast<ALfloat>(gain));
}

void OpenAlSoundBackend::SetPitch(int voice, double pitch) {
  if (Usable(voice)) alSourcef(sources_[voice], AL_PITCH, static_cast<ALfloat>(pitch));
}

bool OpenAlSoundBackend::IsPlaying(int voice) {
  if (!Usable(voice)) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(sources_[voice], AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

void OpenAlSoundBackend::Release(int voice) {
  if (!context_ || voice < 0 || voice >= kVoices) return;
  if (sources_[voice]) {
    alSourceStop(sources_[voice]);
    alSourcei(sources_[voice], AL_BUFFER, 0);
  }
  if (buffers_[voice]) alDeleteBuffers(1, &buffers_[voice]);
  buffers_[voice] = 0;
}

int CountWaveDevices() {
  ALCdevice* device = OpenDefaultDevice();
  if (!device) return 0;
  int n = 0;
  const ALCchar* names = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT")
                             ? alcGetString(nullptr, ALC_ALL_DEVICES_SPECIFIER)
                             : alcGetString(nullptr, ALC_DEVICE_SPECIFIER);
  for (const ALCchar* p = names; p && *p; p += std::strlen(p) + 1) ++n;
  alcCloseDevice(device);
  return n > 0 ? n : 1;
}

}  // namespace pumpdrill
