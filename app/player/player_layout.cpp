#include "app/player/player_layout.h"

#include <algorithm>

#include "app/player/playback.h"
#include "app/player/player_state.h"
#include "app/player/work_area_fit.h"
#include "app/recording/recording_file.h"
#include "components/services/file_bytes.h"
#include "components/services/number_text.h"
#include "components/services/services.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kWindow{kId, kId};
constexpr UnitAddress kPanel{kId, 画板};
constexpr UnitAddress kScale{kId, 标签2};
constexpr UnitId kButtons[] = {按钮1, 播放按钮, 暂停按钮, 终止按钮, 静音按钮, 按钮2};
// The window's width beyond the panel, and its height beyond panel, progress bar and buttons.
constexpr double kWidthAroundPanel = 6;
constexpr double kSpareHeight = 40;

bool fittedToFirstFrame = false;

// Sizes and positions are worked out in double precision and truncated toward zero.
void Write(UnitAddress unit, int index, double value) { WriteProperty(unit, index, static_cast<int32_t>(value)); }

// The panel as wide as the row of buttons below it needs, so a small picture never cuts the
// last button off: the row's margin at the left repeated at its right, and the panel as far
// inside the window on either side as at its left.
int NarrowestPanel() {
  using namespace common_property;
  int left = ReadInt({kId, kButtons[0]}, kLeft);
  int right = 0;
  for (UnitId button : kButtons) {
    left = std::min(left, ReadInt({kId, button}, kLeft));
    right = std::max(right, ReadInt({kId, button}, kLeft) + ReadInt({kId, button}, kWidth));
  }
  return right + left - 2 * ReadInt(kPanel, kLeft);
}

// DisplayScale percent of the first frame, shrunk when the window around it would be larger than
// the work area, and widened to the row of buttons, where the picture then shows centred.
PanelSize PanelForFrame(int w0, int h0, const ScreenArea& work) {
  using namespace common_property;
  const PanelSize scaled{static_cast<int>(w0 * static_cast<double>(DisplayScale) / 100),
                         static_cast<int>(h0 * static_cast<double>(DisplayScale) / 100)};
  const int heightAround =
      ReadInt(kProgress, kHeight) + ReadInt({kId, 播放按钮}, kHeight) + static_cast<int>(kSpareHeight);
  const PanelSize fitted =
      PanelFittingWorkArea(scaled, static_cast<int>(kWidthAroundPanel), heightAround, work.width, work.height);
  return {std::max(fitted.width, NarrowestPanel()), fitted.height};
}

// Every step reads the properties as the steps before it left them (sizes are clamped when
// written), so the layout is worked out on the window itself. The window is centred on the
// screen and then kept inside the work area, which moves it only where it would reach beyond.
void LayOutAround(int w0, int h0) {
  using namespace common_property;
  const ScreenArea work = PrimaryWorkArea();
  const PanelSize panel = PanelForFrame(w0, h0, work);
  Write(kPanel, kHeight, panel.height);
  Write(kPanel, kWidth, panel.width);
  Write(kWindow, kHeight, static_cast<double>(ReadInt(kPanel, kHeight)) + ReadInt(kProgress, kHeight) +
                              ReadInt({kId, 播放按钮}, kHeight) + kSpareHeight);
  Write(kWindow, kWidth, ReadInt(kPanel, kWidth) + kWidthAroundPanel);
  Write(kProgress, kWidth, static_cast<double>(ReadInt(kPanel, kWidth)) - 20 - ReadInt(kTime, kWidth));
  Write(kProgress, kTop, ReadInt(kPanel, kHeight) + 4.0);
  Write(kTime, kTop, ReadInt(kProgress, kTop) - 2.0);
  Write(kTime, kLeft, ReadInt(kProgress, kWidth) + 12.0);
  WriteProperty(kProgress, process_bar_property::kMaximum, PlayerFrameCount);
  for (UnitId button : {播放按钮, 暂停按钮, 终止按钮, 静音按钮}) {
    Write({kId, button}, kTop, static_cast<double>(ReadInt(kProgress, kTop)) + ReadInt(kProgress, kHeight) + 4);
  }
  WriteProperty({kId, 按钮1}, kTop, ReadInt({kId, 播放按钮}, kTop));
  WriteProperty({kId, 按钮2}, kTop, ReadInt({kId, 按钮1}, kTop));
  Write(kScale, kWidth, ReadInt(kPanel, kWidth) / 5.0 - 10);
  Write(kScale, kLeft, ReadInt(kPanel, kWidth) / 5.0 * 4 + 4);
  WriteProperty(kScale, label_property::kCaption, "规格:" + IntegerText(DisplayScale) + "%");
  const ScreenSize screen = PrimaryScreenSize();
  const int height = ReadInt(kWindow, kHeight);
  const int width = ReadInt(kWindow, kWidth);
  const int top = static_cast<int>((static_cast<double>(screen.height) - height) / 2);
  const int left = static_cast<int>((static_cast<double>(screen.width) - width) / 2);
  WriteProperty(kWindow, kTop, KeptWithin(top, height, work.top, work.top + work.height));
  WriteProperty(kWindow, kLeft, KeptWithin(left, width, work.left, work.left + work.width));
}

}  // namespace

// Only the first frame is measured.
void FitLayoutToFrame() {
  const int picture = LoadPicture(ReadWholeFile(PlayedFramePath(ExtractionFolder, kFirstFrame)));
  const int w0 = PictureWidth(kPanel, picture);
  fittedToFirstFrame = w0 != 0;
  if (fittedToFirstFrame) LayOutAround(w0, PictureHeight(kPanel, picture));
  UnloadPicture(picture);
}

bool FittedToFirstFrame() { return fittedToFirstFrame; }
