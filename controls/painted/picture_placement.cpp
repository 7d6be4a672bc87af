#include "controls/painted/picture_placement.h"

#include <algorithm>

PictureRect PlaceCentredShrunk(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
  int roomWidth = clientWidth;
  int roomHeight = clientHeight;
  int left = 0;
  int top = 0;
  if (roomWidth >= pictureWidth) {
    left = (roomWidth - pictureWidth) / 2;
    roomWidth = pictureWidth;
  }
  if (roomHeight >= pictureHeight) {
    top = (roomHeight - pictureHeight) / 2;
    roomHeight = pictureHeight;
  }
  if (pictureWidth <= roomWidth && pictureHeight <= roomHeight) return {left, top, pictureWidth, pictureHeight};
  double scale =
      std::min(static_cast<double>(roomWidth) / pictureWidth, static_cast<double>(roomHeight) / pictureHeight);
  int drawnWidth = static_cast<int>(pictureWidth * scale);
  int drawnHeight = static_cast<int>(pictureHeight * scale);
  return {left + (roomWidth - drawnWidth) / 2, top + (roomHeight - drawnHeight) / 2, drawnWidth, drawnHeight};
}
