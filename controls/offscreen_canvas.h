// A DrawPanel's persistent canvas without the panel, for a thread other than the user
// interface's: the take's writer shrinks each frame through one exactly as the save's hidden
// canvas would, so the JPEG it codes ahead is byte for byte the one the save would write. It
// shrinks on the calling thread alone, leaving the other core to the user interface.
#pragma once
#include <memory>

#include "components/services/byte_string.h"
#include "controls/form_definition.h"

class OffscreenCanvas {
 public:
  OffscreenCanvas();
  ~OffscreenCanvas();
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  // What TakePanelPicture gives for a DrawPanel of `width` × `height` (at least 1 × 1) with
  // persistent drawing on, `backColour` and `pictureMode` as its properties, once `picture` (a
  // picture file's bytes) is its back picture: the BMP file in `file`, its memory reused. False,
  // leaving `file` empty, when the system refuses the canvas.
  bool Draw(int width, int height, Colour backColour, int pictureMode, const ByteString& picture, ByteString& file);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};
