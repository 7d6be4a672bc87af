// CommonDlg: the non-visual holder of a file dialog's settings; OpenDialog runs the dialog.
#include <array>
#include <cstdint>

#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace common_dlg_property;

class CommonDlg : public NonVisualControl {
 public:
  using NonVisualControl::NonVisualControl;

  void WriteKindProperty(int index, const PropertyValue& value) override {
    if (IsOtherSetting(index)) {
      otherSettings_[index - kFirstOtherSetting] = value;
      return;
    }
    WriteTableProperty<CommonDlg>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    if (IsOtherSetting(index)) return otherSettings_[index - kFirstOtherSetting];
    return ReadTableProperty<CommonDlg>(*this, Properties(), kProperties, index);
  }

 private:
  CommonDlgProperties& Properties() const { return std::get<CommonDlgProperties>(definition().properties); }

  static bool IsOtherSetting(int index) { return index >= kFirstOtherSetting && index <= kLastOtherSetting; }

  // The settings only store; OpenDialog reads them when the dialog runs.
  using Row = PropertyRow<CommonDlg, CommonDlgProperties>;
  using P = CommonDlgProperties;
  static constexpr Row kPropertyRows[] = {
      {kDialogType, &P::dialogType, Choice(3)},
      {kTitle, &P::title},
      {kFileName, &P::fileName},
      {kFilter, &P::filter},
      {kInitialFilterIndex, &P::initialFilterIndex, Range(0, INT32_MAX)},
      {kInitialFolder, &P::initialFolder},
      {kDefaultExtension, &P::defaultExtension},
      {kCreatePrompt, &P::createPrompt, kBoolean},
      {kFileMustExist, &P::fileMustExist, kBoolean},
      {kOverwritePrompt, &P::overwritePrompt, kBoolean},
      {kPathMustExist, &P::pathMustExist, kBoolean},
      {kKeepCurrentFolder, &P::keepCurrentFolder, kBoolean},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  // The colour, font and help settings of the dialog types the program does not use: kept
  // while the window is loaded, read back as written.
  std::array<PropertyValue, kLastOtherSetting - kFirstOtherSetting + 1> otherSettings_{};
};
}  // namespace

std::unique_ptr<Control> MakeCommonDlg(WindowId window, UnitDefinition& unit) {
  return std::make_unique<CommonDlg>(window, unit);
}
