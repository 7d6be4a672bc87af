// Pictures held by handle for the load-picture service: decoded once, kept until unloaded.
#pragma once
#include <map>
#include <memory>

#include "components/services/byte_string.h"
#include "controls/painted/decoded_picture.h"

class PictureTable {
 public:
  // Decodes the bytes (the formats a DrawPanel decodes) and keeps the picture under a new
  // handle, at least 1 and never one in use. 0 for empty bytes or bytes that hold no picture
  // that can be decoded.
  int Load(const ByteString& bytes);
  // The picture's size in pixels; 0 for a handle not in the table. Both painted kinds report
  // picture sizes in pixels whatever their coordinate unit, as no other unit is defined.
  int Width(int handle) const;
  int Height(int handle) const;
  // Removes and frees the picture; a handle not in the table is ignored.
  void Unload(int handle);

 private:
  const DecodedPicture* Find(int handle) const;

  std::map<int, std::unique_ptr<DecodedPicture>> pictures_;
  int lastHandle_ = 0;
};
