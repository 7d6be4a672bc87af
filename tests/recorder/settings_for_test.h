// The pointer settings a test runs with, the program's own put back afterwards.
#pragma once
#include "app/settings/settings.h"

class PointerSettingsForTest {
 public:
  PointerSettingsForTest(bool drawPointer, bool highlightClicks) : before_(CurrentSettings()) {
    Settings settings = before_;
    settings.drawPointer = drawPointer;
    settings.highlightClicks = highlightClicks;
    SetCurrentSettings(settings);
  }
  ~PointerSettingsForTest() { SetCurrentSettings(before_); }
  PointerSettingsForTest(const PointerSettingsForTest&) = delete;
  PointerSettingsForTest& operator=(const PointerSettingsForTest&) = delete;

 private:
  Settings before_;
};
