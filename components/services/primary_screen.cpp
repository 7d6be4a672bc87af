#include <windows.h>

#include "components/services/services.h"

ScreenSize PrimaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// The whole screen when the system does not answer.
ScreenArea PrimaryWorkArea() {
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) || work.right <= work.left || work.bottom <= work.top) {
    const ScreenSize screen = PrimaryScreenSize();
    return {0, 0, screen.width, screen.height};
  }
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}
