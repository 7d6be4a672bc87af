#include "controls/painted/picture_table.h"

#include <climits>

int PictureTable::Load(const ByteString& bytes) {
  std::unique_ptr<DecodedPicture> picture = DecodedPicture::Decode(bytes);
  if (!picture) return 0;
  do {
    lastHandle_ = lastHandle_ == INT_MAX ? 1 : lastHandle_ + 1;
  } while (pictures_.count(lastHandle_));
  pictures_.emplace(lastHandle_, std::move(picture));
  return lastHandle_;
}

int PictureTable::Width(int handle) const {
  const DecodedPicture* picture = Find(handle);
  return picture ? picture->width() : 0;
}

int PictureTable::Height(int handle) const {
  const DecodedPicture* picture = Find(handle);
  return picture ? picture->height() : 0;
}

void PictureTable::Unload(int handle) { pictures_.erase(handle); }

const DecodedPicture* PictureTable::Find(int handle) const {
  auto found = pictures_.find(handle);
  return found == pictures_.end() ? nullptr : found->second.get();
}
