#include "app/recorder/screen_snapshot.h"

#include "controls/painted/bitmap_file.h"

SIZE PrimaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// A plain source copy of the screen's device context: no layered-window capture, no pointer.
// On a palette display (256 colours) the conversion uses the screen's current palette.
ByteString ScreenSnapshot() {
  const SIZE screen = PrimaryScreenSize();
  BitmapHandle copy = CopyClientArea(nullptr, screen);
  return copy ? BmpFileOfBitmap(copy.get(), screen) : ByteString{};
}
