#include "app/recorder/screen_snapshot.h"

#include "components/services/services.h"
#include "controls/painted/bitmap_file.h"

// A plain source copy of the screen's device context: no layered-window capture, no pointer.
// On a palette display (256 colours) the conversion uses the screen's current palette.
ByteString ScreenSnapshot() {
  const ScreenSize size = PrimaryScreenSize();
  const SIZE screen{size.width, size.height};
  BitmapHandle copy = CopyClientArea(nullptr, screen);
  return copy ? BmpFileOfBitmap(copy.get(), screen) : ByteString{};
}
