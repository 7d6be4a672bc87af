// The settings a test runs with, the program's own put back afterwards.
#pragma once
#include "app/settings/settings.h"

class SettingsForTest {
 public:
  // The settings of now, changed by `change`.
  template <typename Change>
  explicit SettingsForTest(Change change) : before_(CurrentSettings()) {
    Settings settings = before_;
    change(settings);
    SetCurrentSettings(settings);
  }
  ~SettingsForTest() { SetCurrentSettings(before_); }
  SettingsForTest(const SettingsForTest&) = delete;
  SettingsForTest& operator=(const SettingsForTest&) = delete;

 private:
  Settings before_;
};

class PointerSettingsForTest : public SettingsForTest {
 public:
  PointerSettingsForTest(bool drawPointer, bool highlightClicks)
      : SettingsForTest([&](Settings& settings) {
          settings.drawPointer = drawPointer;
          settings.highlightClicks = highlightClicks;
        }) {}
};
