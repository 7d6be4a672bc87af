#include "components/sound/sound_output.h"

#include <audioclient.h>
#include <mmreg.h>

#include <algorithm>
#include <vector>

#include "components/services/com_pointer.h"
#include "components/services/steady_clock.h"
#include "components/sound/sound_devices.h"
#include "components/sound/wav_file.h"
#include "components/sound/wav_header.h"

namespace {

// A fifth of a second queued at the device, so a busy moment of the system does not run it dry;
// a seek, a pause and muting act on the device at once, whatever is queued.
constexpr REFERENCE_TIME kQueuedHundredNanoseconds = 2'000'000;
// While it plays, the thread reads the device's position this often at least; between readings
// the time since is added, but never more than a few readings' worth, should the thread stall.
constexpr DWORD kReadingMilliseconds = 5;
constexpr int64_t kLongestGuessMicroseconds = 40'000;
constexpr int64_t kMicrosecondsPerSecond = 1'000'000;

constexpr GUID kFloatSubFormat = {0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The reader's own samples, 32-bit floats, at the track's rate and channels: the audio engine
// converts them to its mix.
WAVEFORMATEXTENSIBLE FloatFormat(SoundFormat format) {
  WAVEFORMATEXTENSIBLE wave{};
  wave.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
  wave.Format.nChannels = static_cast<WORD>(format.channels);
  wave.Format.nSamplesPerSec = static_cast<DWORD>(format.rate);
  wave.Format.wBitsPerSample = 32;
  wave.Format.nBlockAlign = static_cast<WORD>(format.channels * sizeof(float));
  wave.Format.nAvgBytesPerSec = wave.Format.nSamplesPerSec * wave.Format.nBlockAlign;
  wave.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
  wave.Samples.wValidBitsPerSample = 32;
  wave.dwChannelMask = WavSpeakerMask(format.channels);
  wave.SubFormat = kFloatSubFormat;
  return wave;
}

}  // namespace

// The default output's stream in shared mode, used by the output's thread alone. The device
// tells the thread through `ready` whenever it has room for more.
class SoundOutput::Device {
 public:
  Device() = default;
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;
  ~Device() {
    if (client_) client_->Stop();
  }

  // The default output, where the computer's own sound plays.
  bool Open(SoundFormat format, HANDLE ready) {
    ComPointer<IMMDevice> device;
    WAVEFORMATEXTENSIBLE wave = FloatFormat(format);
    constexpr DWORD kFlags = AUDCLNT_STREAMFLAGS_EVENTCALLBACK | AUDCLNT_STREAMFLAGS_NOPERSIST |
                             AUDCLNT_STREAMFLAGS_AUTOCONVERTPCM | AUDCLNT_STREAMFLAGS_SRC_DEFAULT_QUALITY;
    if (FindSoundDevice(SoundSourceKind::ComputerSound, {}, device) != SoundRefusal::None ||
        FAILED(device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, client_.PutVoid())) ||
        FAILED(client_->Initialize(AUDCLNT_SHAREMODE_SHARED, kFlags, kQueuedHundredNanoseconds, 0, &wave.Format,
                                   nullptr)) ||
        FAILED(client_->SetEventHandle(ready)) || FAILED(client_->GetBufferSize(&bufferFrames_)) ||
        FAILED(client_->GetService(__uuidof(IAudioRenderClient), render_.PutVoid())) ||
        FAILED(client_->GetService(__uuidof(IAudioClock), clock_.PutVoid())) ||
        FAILED(client_->GetService(__uuidof(IAudioStreamVolume), volume_.PutVoid())) ||
        FAILED(clock_->GetFrequency(&clockFrequency_)) || clockFrequency_ == 0) {
      client_.Reset();
      return false;
    }
    format_ = format;
    return true;
  }

  // Nothing is queued any more, and the position starts again from 0.
  void Reset() {
    client_->Stop();
    client_->Reset();
    running_ = false;
  }
  // The position holds while stopped.
  void Stop() {
    if (running_) client_->Stop();
    running_ = false;
  }
  void Start() {
    if (!running_) client_->Start();
    running_ = true;
  }

  // The stream's own volume, so the position runs on as if it were heard.
  void SetMuted(bool muted) {
    if (muted == muted_) return;
    const std::vector<float> levels(format_.channels, muted ? 0.0f : 1.0f);
    if (SUCCEEDED(volume_->SetAllVolumes(static_cast<UINT32>(levels.size()), levels.data()))) muted_ = muted;
  }

  // Fills the room the device has from `reader`, silence past its end.
  void Fill(SoundFileReader& reader) {
    UINT32 queued = 0;
    if (FAILED(client_->GetCurrentPadding(&queued)) || queued >= bufferFrames_) return;
    const UINT32 room = bufferFrames_ - queued;
    BYTE* data = nullptr;
    if (FAILED(render_->GetBuffer(room, &data))) return;
    float* samples = reinterpret_cast<float*>(data);
    const size_t read = reader.Read(samples, room);
    std::fill(samples + read * format_.channels, samples + size_t{room} * format_.channels, 0.0f);
    render_->ReleaseBuffer(room, 0);
  }

  // Sample frames heard since the last Reset, by the device's clock.
  uint64_t Heard() {
    UINT64 position = 0;
    if (FAILED(clock_->GetPosition(&position, nullptr))) return heard_;
    heard_ = position / clockFrequency_ * format_.rate + position % clockFrequency_ * format_.rate / clockFrequency_;
    return heard_;
  }

 private:
  ComPointer<IAudioClient> client_;
  ComPointer<IAudioRenderClient> render_;
  ComPointer<IAudioClock> clock_;
  ComPointer<IAudioStreamVolume> volume_;
  UINT32 bufferFrames_ = 0;
  UINT64 clockFrequency_ = 0;
  SoundFormat format_;
  bool running_ = false;
  bool muted_ = false;
  uint64_t heard_ = 0;
};

bool SoundOutput::Open(const std::string& path) {
  Close();
  const std::optional<WavShape> shape = ReadWavShape(path);
  if (!shape || !shape->format.IsValid()) return false;
  if (!wake_) wake_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  if (!wake_) return false;
  format_ = shape->format;
  thread_ = std::thread(&SoundOutput::Run, this, path);
  return true;
}

void SoundOutput::Close() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> hold(lock_);
    wish_.closing = true;
  }
  SetEvent(wake_.get());
  thread_.join();
  deviceOpen_ = false;
  wish_ = {};
  reading_ = {};
}

void SoundOutput::Ask(const Wish& wish) {
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (!thread_.joinable()) return;
    wish_ = wish;
  }
  SetEvent(wake_.get());
}

SoundOutput::Wish SoundOutput::TakeWish() const {
  std::lock_guard<std::mutex> hold(lock_);
  return wish_;
}

void SoundOutput::Play(uint64_t frame) {
  Wish wish = TakeWish();
  Ask({.mode = Mode::Playing, .start = frame, .generation = wish.generation + 1});
}

void SoundOutput::Stop() {
  Wish wish = TakeWish();
  Ask({.mode = Mode::Stopped, .start = 0, .generation = wish.generation + 1});
}

void SoundOutput::Pause() {
  Wish wish = TakeWish();
  if (wish.mode != Mode::Playing) return;
  wish.mode = Mode::Paused;
  Ask(wish);
}

void SoundOutput::Resume() {
  Wish wish = TakeWish();
  if (wish.mode != Mode::Paused) return;
  wish.mode = Mode::Playing;
  Ask(wish);
}

void SoundOutput::SetMuted(bool muted) {
  muted_ = muted;
  if (wake_) SetEvent(wake_.get());
}

bool SoundOutput::Paused() const { return TakeWish().mode == Mode::Paused; }

void SoundOutput::Publish(const Reading& reading) {
  std::lock_guard<std::mutex> hold(lock_);
  reading_ = reading;
}

std::optional<uint64_t> SoundOutput::HeardFrame() const {
  std::lock_guard<std::mutex> hold(lock_);
  if (!deviceOpen_ || wish_.mode == Mode::Stopped) return std::nullopt;
  // The thread has not begun the latest Play yet: its first frame is what is about to be heard.
  if (reading_.generation != wish_.generation) return wish_.start;
  if (!reading_.moving || wish_.mode != Mode::Playing) return reading_.frame;
  const int64_t since = std::clamp<int64_t>(SteadyMicroseconds() - reading_.at, 0, kLongestGuessMicroseconds);
  return reading_.frame + static_cast<uint64_t>(since * format_.rate / kMicrosecondsPerSecond);
}

// Wishes are taken whenever the caller wakes the thread, the device's room filled whenever it
// has some, and the position read at least every few milliseconds while it plays.
void SoundOutput::Run(std::string path) {
  const ComApartment apartment;
  SoundFileReader reader;
  const EventHandle ready(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  Device device;
  if (!apartment.ok() || !ready || !reader.Open(path) || !device.Open(format_, ready.get())) return;
  // A buffer filled late is heard as a gap, and the picture waits for it.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  deviceOpen_ = true;
  const HANDLE waits[] = {wake_.get(), ready.get()};
  uint64_t generation = 0;
  uint64_t heard = 0;
  for (;;) {
    const Wish wish = TakeWish();
    if (wish.closing) return;
    const bool restarted = wish.generation != generation;
    if (restarted) {
      generation = wish.generation;
      device.Reset();
      heard = 0;
      if (wish.mode != Mode::Stopped) reader.Seek(std::min(wish.start, reader.shape().frames));
    }
    device.SetMuted(muted_);
    if (wish.mode != Mode::Stopped) device.Fill(reader);
    if (wish.mode == Mode::Playing) {
      device.Start();
    } else {
      device.Stop();
    }
    if (wish.mode != Mode::Stopped) {
      const uint64_t now = device.Heard();
      Publish({.generation = generation, .frame = wish.start + now, .at = SteadyMicroseconds(),
               .moving = !restarted && now != heard});
      heard = now;
    }
    WaitForMultipleObjects(2, waits, FALSE, wish.mode == Mode::Playing ? kReadingMilliseconds : INFINITE);
  }
}
