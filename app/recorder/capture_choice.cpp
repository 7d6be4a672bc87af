// What the next take records, chosen from 按钮5 beside 录制 or the tray menu's 录制范围: the
// full screen, a monitor when there are several, a region dragged on the screen or a window
// clicked. Choosing starts the take, as 录制 does; 录制 then records the same choice again, the
// region or window where it was when chosen. The choice is kept in the settings file.
#include <windows.h>

#include <string>

#include "app/recorder/area_picker.h"
#include "app/recorder/capture_area.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/take_owner.h"
#include "app/settings/settings_file.h"
#include "components/services/number_text.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/recorder_window.h"

namespace {

using namespace RecorderWindow;

struct ChoiceItem {
  UnitId item;
  CaptureChoice choice;
  int monitor;  // the index into MonitorAreas() of a monitor's item
};
constexpr ChoiceItem kChoiceItems[] = {
    {菜单_全屏, CaptureChoice::FullScreen, -1}, {菜单_显示器1, CaptureChoice::Monitor, 0},
    {菜单_显示器2, CaptureChoice::Monitor, 1},  {菜单_显示器3, CaptureChoice::Monitor, 2},
    {菜单_显示器4, CaptureChoice::Monitor, 3},  {菜单_区域, CaptureChoice::Region, -1},
    {菜单_窗口, CaptureChoice::Window, -1},
};

const ChoiceItem* ItemOf(UnitId unit) {
  for (const ChoiceItem& item : kChoiceItems)
    if (item.item == unit) return &item;
  return nullptr;
}

std::string MonitorCaption(int index, const ScreenArea& area) {
  return "显示器 " + IntegerText(index + 1) + " (" + IntegerText(area.width) + "×" + IntegerText(area.height) + ")";
}

bool IsChosen(const ChoiceItem& item, const Settings& settings, const std::vector<ScreenArea>& monitors) {
  if (item.choice != settings.captureChoice) return false;
  if (item.choice != CaptureChoice::Monitor) return true;
  return item.monitor < static_cast<int>(monitors.size()) && monitors[item.monitor] == settings.captureArea;
}

// The rectangle the choice records; false when the user cancelled the overlay or the monitor is
// gone. The overlay holds the take while it is up, so no command reaches it meanwhile.
bool AreaFor(const ChoiceItem& item, ScreenArea& area) {
  const Settings& settings = CurrentSettings();
  area = settings.captureArea;
  switch (item.choice) {
    case CaptureChoice::FullScreen:
      return true;
    case CaptureChoice::Monitor: {
      const std::vector<ScreenArea> monitors = MonitorAreas();
      if (item.monitor >= static_cast<int>(monitors.size())) return false;
      area = monitors[item.monitor];
      return true;
    }
    case CaptureChoice::Region:
    case CaptureChoice::Window: {
      const TakeHold hold(TakeHolder::Question);
      const PickMode mode = item.choice == CaptureChoice::Region ? PickMode::Region : PickMode::Window;
      return PickScreenArea(mode, settings.captureArea, area);
    }
  }
  return false;
}

// A settings file that cannot be written keeps the choice for this run only.
void RememberCaptureChoice(CaptureChoice choice, const ScreenArea& area) {
  Settings settings = CurrentSettings();
  if (settings.captureChoice == choice && settings.captureArea == area) return;
  settings.captureChoice = choice;
  settings.captureArea = area;
  SetCurrentSettings(settings);
  StoreSettingsFile(SettingsFilePath(), settings);
}

void ShowCaptureChoices(EventRecord&) {
  if (!TakeCommandAllowed(TakeCommand::Record)) return;
  OfferCaptureChoices();
  PopUpMenu({kId, 菜单_录制范围});
}

void ChooseCaptureArea(EventRecord& event) {
  const ChoiceItem* item = ItemOf(event.unit);
  ScreenArea area;
  if (!item || !TakeCommandAllowed(TakeCommand::Record) || !AreaFor(*item, area)) return;
  if (!IsWindowLoaded(kId)) return;
  RememberCaptureChoice(item->choice, area);
  StartTake();
}

}  // namespace

// The monitors' items show only when there is more than one to choose from.
void OfferCaptureChoices() {
  const Settings& settings = CurrentSettings();
  const std::vector<ScreenArea> monitors = MonitorAreas();
  const int shown = monitors.size() > 1 ? static_cast<int>(monitors.size()) : 0;
  for (const ChoiceItem& item : kChoiceItems) {
    const UnitAddress address{kId, item.item};
    WriteProperty(address, menu_item_property::kCheckMark, IsChosen(item, settings, monitors) ? 1 : 0);
    if (item.monitor < 0) continue;
    WriteProperty(address, menu_item_property::kVisible, item.monitor < shown ? 1 : 0);
    if (item.monitor < shown) WriteProperty(address, menu_item_property::kCaption, MonitorCaption(item.monitor, monitors[item.monitor]));
  }
}


void AddCaptureChoiceHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::ShowCaptureChoices, ShowCaptureChoices);
  handlers.Bind(HandlerId::ChooseCaptureArea, ChooseCaptureArea);
}
