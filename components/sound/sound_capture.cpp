// A source is read every 10 ms from a shared-mode buffer of a second, so a busy moment of the
// system loses nothing, and a Stop waits no more than one of those sleeps.
#include "components/sound/sound_capture.h"

#include <windows.h>
#include <audioclient.h>
#include <mmreg.h>

#include <algorithm>

#include "components/services/com_pointer.h"
#include "components/services/steady_clock.h"
#include "components/sound/sample_conversion.h"
#include "components/sound/sound_devices.h"

namespace {

constexpr REFERENCE_TIME kBufferDuration = 10'000'000;  // one second, in 100 ns units
constexpr DWORD kReadEveryMilliseconds = 10;

// The sub-format of an extensible format stands for its tag.
int FormatTagOf(const WAVEFORMATEX& format) {
  if (format.wFormatTag == WAVE_FORMAT_EXTENSIBLE && format.cbSize >= 22) {
    const auto& extensible = reinterpret_cast<const WAVEFORMATEXTENSIBLE&>(format);
    return static_cast<int>(extensible.SubFormat.Data1);
  }
  return format.wFormatTag;
}

SoundRefusal RefusalOf(HRESULT result) {
  if (result == E_ACCESSDENIED) return SoundRefusal::AccessDenied;
  if (result == AUDCLNT_E_DEVICE_INVALIDATED) return SoundRefusal::NoDevice;
  return SoundRefusal::Failed;
}

// A loopback client the system cannot serve says so at its first use, not when it is made.
SoundRefusal LoopbackRefusalOf(HRESULT result) {
  if (result == AUDCLNT_E_WRONG_ENDPOINT_TYPE || result == E_INVALIDARG || result == E_NOINTERFACE)
    return SoundRefusal::NotSupported;
  return RefusalOf(result);
}

float PeakOf(const std::vector<float>& samples) {
  float peak = 0.0f;
  for (const float sample : samples) peak = std::max(peak, sample < 0 ? -sample : sample);
  return std::min(peak, 1.0f);
}

// Everything a running source holds, released together when the thread ends.
struct OpenSource {
  ComPointer<IMMDevice> device;
  ComPointer<IAudioClient> client;
  ComPointer<IAudioCaptureClient> capture;
  CoTaskMemory<WAVEFORMATEX> format;
  DeviceSamples samples = DeviceSamples::Unknown;
};

SoundRefusal Open(SoundSourceKind kind, const std::string& name, OpenSource& source) {
  const SoundRefusal found = FindSoundDevice(kind, name, source.device);
  if (found != SoundRefusal::None) return found;
  HRESULT result = source.device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, source.client.PutVoid());
  if (FAILED(result)) return RefusalOf(result);
  result = source.client->GetMixFormat(source.format.Put());
  if (FAILED(result)) return RefusalOf(result);
  const WAVEFORMATEX& format = *source.format.get();
  source.samples = DeviceSamplesOf(FormatTagOf(format), format.wBitsPerSample);
  if (source.samples == DeviceSamples::Unknown) return SoundRefusal::Failed;
  const bool loopback = kind == SoundSourceKind::ComputerSound;
  result = source.client->Initialize(AUDCLNT_SHAREMODE_SHARED, loopback ? AUDCLNT_STREAMFLAGS_LOOPBACK : 0,
                                     kBufferDuration, 0, source.format.get(), nullptr);
  if (FAILED(result)) return loopback ? LoopbackRefusalOf(result) : RefusalOf(result);
  result = source.client->GetService(__uuidof(IAudioCaptureClient), source.capture.PutVoid());
  if (FAILED(result)) return loopback ? LoopbackRefusalOf(result) : RefusalOf(result);
  result = source.client->Start();
  return FAILED(result) ? RefusalOf(result) : SoundRefusal::None;
}

// Reads every packet waiting. False when the device is gone (unplugged, its format changed).
bool ReadPackets(OpenSource& source, std::vector<float>& floats, const SoundCapture::Sink& sink,
                 std::atomic<float>& peak) {
  const WAVEFORMATEX& format = *source.format.get();
  UINT32 waiting = 0;
  while (true) {
    HRESULT result = source.capture->GetNextPacketSize(&waiting);
    if (FAILED(result)) return false;
    if (waiting == 0) return true;
    BYTE* data = nullptr;
    UINT32 frames = 0;
    DWORD flags = 0;
    result = source.capture->GetBuffer(&data, &frames, &flags, nullptr, nullptr);
    if (FAILED(result)) return false;
    floats.clear();
    const size_t count = static_cast<size_t>(frames) * format.nChannels;
    if (flags & AUDCLNT_BUFFERFLAGS_SILENT)
      floats.assign(count, 0.0f);
    else
      AppendAsFloats(source.samples, data, count, floats);
    source.capture->ReleaseBuffer(frames);
    peak.store(std::max(peak.load(), PeakOf(floats)));
    if (frames > 0) sink(floats.data(), frames, SteadyMicroseconds());
  }
}

}  // namespace

SoundRefusal SoundCapture::Start(SoundSourceKind kind, const std::string& deviceName, Sink sink) {
  Stop();
  stopping_ = false;
  started_ = 0;
  refusal_ = SoundRefusal::None;
  thread_ = std::thread(&SoundCapture::Run, this, kind, deviceName, std::move(sink));
  {
    std::unique_lock<std::mutex> hold(startLock_);
    startChanged_.wait(hold, [this] { return started_ != 0; });
  }
  if (started_ == 2) {
    thread_.join();
    return refusal_;
  }
  return SoundRefusal::None;
}

void SoundCapture::Stop() {
  if (!thread_.joinable()) return;
  stopping_ = true;
  thread_.join();
}

void SoundCapture::Run(SoundSourceKind kind, std::string deviceName, Sink sink) {
  const ComApartment com;
  OpenSource source;
  const SoundRefusal refusal = com.ok() ? Open(kind, deviceName, source) : SoundRefusal::Failed;
  {
    const std::lock_guard<std::mutex> hold(startLock_);
    refusal_ = refusal;
    if (refusal == SoundRefusal::None)
      format_ = {static_cast<int>(source.format.get()->nSamplesPerSec), source.format.get()->nChannels};
    started_ = refusal == SoundRefusal::None ? 1 : 2;
  }
  startChanged_.notify_all();
  if (refusal != SoundRefusal::None) return;
  std::vector<float> floats;
  while (!stopping_) {
    if (!ReadPackets(source, floats, sink, peak_)) break;
    Sleep(kReadEveryMilliseconds);
  }
  source.client->Stop();
}
