#include "components/sound/wav_file.h"

#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "components/services/little_endian.h"
#include "components/services/wide_text.h"
#include "components/sound/wav_header.h"

namespace {

struct FileClose {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileClose>;

FILE* OpenFile(const std::string& path, const wchar_t* mode) { return _wfopen(Widen(path).c_str(), mode); }

uint64_t FileSize(FILE* file) {
  if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
  const int64_t size = _ftelli64(file);
  return size > 0 ? static_cast<uint64_t>(size) : 0;
}

std::optional<WavShape> ShapeOf(FILE* file) {
  return ParseWavHeader(FileSize(file), [file](uint64_t offset, uint8_t* bytes, size_t count) {
    return _fseeki64(file, static_cast<int64_t>(offset), SEEK_SET) == 0 && std::fread(bytes, 1, count, file) == count;
  });
}

bool WriteAt(FILE* file, uint64_t offset, const uint8_t* bytes, size_t count) {
  return _fseeki64(file, static_cast<int64_t>(offset), SEEK_SET) == 0 && std::fwrite(bytes, 1, count, file) == count;
}

bool WriteLe32At(FILE* file, uint64_t offset, uint32_t value) {
  uint8_t bytes[4];
  SetLe32(bytes, 0, value);
  return WriteAt(file, offset, bytes, sizeof bytes);
}

// Clipped to -1..1; a sample that is no number is silence.
float Clipped(float sample) { return std::isnan(sample) ? 0.0f : std::clamp(sample, -1.0f, 1.0f); }

int16_t Pcm16Of(float sample) {
  return static_cast<int16_t>(std::clamp(std::lrint(Clipped(sample) * 32768.0f), -32768L, 32767L));
}

void ToBytes(const std::vector<float>& samples, SampleKind kind, std::vector<uint8_t>& bytes) {
  bytes.resize(samples.size() * static_cast<size_t>(WavSampleBytes(kind)));
  if (kind == SampleKind::Float32) {
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    return;
  }
  for (size_t i = 0; i < samples.size(); ++i) SetLe16(bytes.data(), i * 2, static_cast<uint16_t>(Pcm16Of(samples[i])));
}

void FromBytes(const uint8_t* bytes, size_t samples, SampleKind kind, float* out) {
  if (kind == SampleKind::Float32) {
    std::memcpy(out, bytes, samples * sizeof(float));
    for (size_t i = 0; i < samples; ++i) out[i] = Clipped(out[i]);
    return;
  }
  for (size_t i = 0; i < samples; ++i) out[i] = static_cast<int16_t>(GetLe16(bytes, i * 2)) / 32768.0f;
}

}  // namespace

std::optional<WavShape> ReadWavShape(const std::string& path) {
  FilePtr file(OpenFile(path, L"rb"));
  if (!file) return std::nullopt;
  return ShapeOf(file.get());
}

SoundFileWriter::~SoundFileWriter() { Close(); }

bool SoundFileWriter::Open(const std::string& path, SoundFormat format, SampleKind kind) {
  Close();
  if (!format.IsValid()) return false;
  const ByteString header = WavHeaderBytes(format, kind, 0);
  file_ = OpenFile(path, L"w+b");
  if (!file_) return false;
  format_ = format;
  kind_ = kind;
  dataOffset_ = header.size();
  pending_.clear();
  frames_ = 0;
  written_ = 0;
  if (WriteAt(file_, 0, header.data(), header.size()) && std::fflush(file_) == 0) return true;
  std::fclose(file_);
  file_ = nullptr;
  return false;
}

void SoundFileWriter::Append(const float* interleaved, size_t frames) {
  pending_.insert(pending_.end(), interleaved, interleaved + frames * static_cast<size_t>(format_.channels));
  frames_ += frames;
}

void SoundFileWriter::AppendSilence(size_t frames) {
  pending_.resize(pending_.size() + frames * static_cast<size_t>(format_.channels), 0.0f);
  frames_ += frames;
}

bool SoundFileWriter::WritePending() {
  if (!file_) return false;
  if (pending_.empty()) return true;
  ToBytes(pending_, kind_, bytes_);
  const uint64_t blockAlign = static_cast<uint64_t>(format_.channels) * WavSampleBytes(kind_);
  // From the end of what reached the file, over whatever a refused write left half done.
  if (!WriteAt(file_, dataOffset_ + written_ * blockAlign, bytes_.data(), bytes_.size())) return false;
  written_ += pending_.size() / static_cast<size_t>(format_.channels);
  pending_.clear();
  return true;
}

bool SoundFileWriter::WriteSizes() {
  const uint64_t dataBytes = written_ * static_cast<uint64_t>(format_.channels) * WavSampleBytes(kind_);
  return WriteLe32At(file_, kWavRiffSizeAt, WavRiffSize(dataOffset_, dataBytes)) &&
         WriteLe32At(file_, dataOffset_ - 4, WavDataSize(dataBytes));
}

bool SoundFileWriter::Flush() {
  if (!WritePending() || !WriteSizes() || std::fflush(file_) != 0) return false;
  return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)))) != 0;
}

bool SoundFileWriter::Close() {
  if (!file_) return false;
  const bool flushed = Flush();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return flushed && closed;
}

SoundFileReader::~SoundFileReader() { CloseFile(); }

void SoundFileReader::CloseFile() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  shape_ = WavShape{};
  position_ = 0;
}

bool SoundFileReader::Open(const std::string& path) {
  CloseFile();
  file_ = OpenFile(path, L"rb");
  if (!file_) return false;
  const std::optional<WavShape> shape = ShapeOf(file_);
  if (!shape) {
    CloseFile();
    return false;
  }
  shape_ = *shape;
  return Seek(0);
}

bool SoundFileReader::Seek(uint64_t frame) {
  if (!file_ || frame > shape_.frames) return false;
  const uint64_t blockAlign = static_cast<uint64_t>(shape_.format.channels) * WavSampleBytes(shape_.kind);
  if (_fseeki64(file_, static_cast<int64_t>(shape_.dataOffset + frame * blockAlign), SEEK_SET) != 0) return false;
  position_ = frame;
  return true;
}

size_t SoundFileReader::Read(float* interleaved, size_t frames) {
  if (!file_) return 0;
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(frames, shape_.frames - position_));
  const size_t blockAlign = static_cast<size_t>(shape_.format.channels) * WavSampleBytes(shape_.kind);
  bytes_.resize(wanted * blockAlign);
  const size_t got = wanted ? std::fread(bytes_.data(), 1, bytes_.size(), file_) / blockAlign : 0;
  FromBytes(bytes_.data(), got * static_cast<size_t>(shape_.format.channels), shape_.kind, interleaved);
  position_ += got;
  // The file ended sooner than it did when opened: what it holds now is all there is.
  if (got < wanted) shape_.frames = position_;
  return got;
}
