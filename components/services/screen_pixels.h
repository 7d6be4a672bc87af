// The primary screen in its physical pixels, whatever the display's scaling. The program's
// windows declare no DPI awareness, so on a scaled display (125 or 150 percent) the system
// stretches them to the size they have always had, and tells them a smaller screen: at 150
// percent a 1920 x 1080 screen reads 1280 x 720, while a copy from the screen still gives its
// physical pixels. The snapshot and the sizes that follow from it must see the physical screen.
#pragma once
#include "components/services/services.h"

// While it lives, the calling thread measures and copies the screen in physical pixels: the
// thread is made per-monitor DPI aware where the system offers that per thread (Windows 10
// version 1607 and later), and put back as it was at the end. Windows created meanwhile would
// take the thread's awareness, so nothing but measuring and copying happens in its life.
class PhysicalScreenScope {
 public:
  PhysicalScreenScope();
  ~PhysicalScreenScope();
  PhysicalScreenScope(const PhysicalScreenScope&) = delete;
  PhysicalScreenScope& operator=(const PhysicalScreenScope&) = delete;

 private:
  void* previous_ = nullptr;  // the thread's awareness before, when it was changed
};

// The primary screen's size in physical pixels. On systems without per-thread awareness
// (Windows 7 to 10 version 1511) it is the size of the primary display's current mode.
ScreenSize PrimaryScreenPixels();
