#include "components/zip/zip_reader.h"

#include <unzip.h>

#include "components/zip/read_ahead_file.h"

namespace {

ZipReader::Step StepFrom(int result) {
  if (result == UNZ_OK) return ZipReader::Step::Entry;
  return result == UNZ_END_OF_LIST_OF_FILE ? ZipReader::Step::End : ZipReader::Step::Broken;
}

}  // namespace

ZipReader::~ZipReader() {
  if (zip_) unzClose(zip_);
}

bool ZipReader::Open(const std::wstring& path) {
  zlib_filefunc64_def functions;
  FillReadAheadFunctions(&functions);
  zip_ = unzOpen2_64(path.c_str(), &functions);
  unz_global_info64 info;
  if (!zip_ || unzGetGlobalInfo64(zip_, &info) != UNZ_OK) return false;
  declaredEntries_ = info.number_entry;
  return true;
}

bool ZipReader::CountEntries(uint64_t* count) {
  uint64_t found = 0;
  Step step = First();
  for (; step == Step::Entry; step = Next()) ++found;
  *count = found;
  return step == Step::End;
}

// An archive that declares no entries has no header to move to: minizip would report that
// as damage.
ZipReader::Step ZipReader::First() {
  current_ = 0;
  return declaredEntries_ == 0 ? Step::End : StepFrom(unzGoToFirstFile(zip_));
}

// minizip reads on past a declared count of 65535, taking it for a count that overflowed, and
// then reports the end record as a damaged header; a full archive ends at its count here.
ZipReader::Step ZipReader::Next() {
  if (++current_ >= declaredEntries_) return Step::End;
  return StepFrom(unzGoToNextFile(zip_));
}

ZipReader::Place ZipReader::CurrentPlace() {
  unz64_file_pos position{};
  unzGetFilePos64(zip_, &position);
  return {position.pos_in_zip_directory, current_};
}

ZipReader::Step ZipReader::GoTo(const Place& place) {
  current_ = place.index;
  const unz64_file_pos position{place.directoryOffset, place.index};
  return StepFrom(unzGoToFilePos64(zip_, &position));
}

bool ZipReader::CurrentEntry(ReaderEntry* entry) {
  unz_file_info64 info;
  if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
  std::string name(info.size_filename + 1, '\0');
  if (unzGetCurrentFileInfo64(zip_, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0, nullptr, 0) !=
      UNZ_OK)
    return false;
  name.resize(info.size_filename);
  entry->name = std::move(name);
  entry->flags = static_cast<uint16_t>(info.flag);
  entry->method = static_cast<uint16_t>(info.compression_method);
  entry->compressedSize = info.compressed_size;
  entry->uncompressedSize = info.uncompressed_size;
  entry->dosTime = static_cast<uint16_t>(info.dosDate);
  entry->dosDate = static_cast<uint16_t>(info.dosDate >> 16);
  entry->externalAttributes = static_cast<uint32_t>(info.external_fa);
  return true;
}

bool ZipReader::OpenData() { return unzOpenCurrentFile(zip_) == UNZ_OK; }

uint64_t ZipReader::DataOffset() { return unzGetCurrentFileZStreamPos64(zip_); }

ByteString ZipReader::LocalExtra() {
  int size = unzGetLocalExtrafield(zip_, nullptr, 0);
  if (size <= 0) return {};
  ByteString extra(static_cast<size_t>(size));
  int read = unzGetLocalExtrafield(zip_, extra.data(), static_cast<unsigned>(extra.size()));
  extra.resize(read > 0 ? static_cast<size_t>(read) : 0);
  return extra;
}

int ZipReader::ReadData(uint8_t* buffer, unsigned capacity) { return unzReadCurrentFile(zip_, buffer, capacity); }

// The result would report a CRC mismatch; extraction does not compare CRCs.
void ZipReader::CloseData() { unzCloseCurrentFile(zip_); }
