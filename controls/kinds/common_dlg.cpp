// CommonDlg: the non-visual holder of a file dialog's settings; OpenDialog runs the dialog.
#include <array>

#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace common_dlg_property;

class CommonDlg : public NonVisualControl {
 public:
  using NonVisualControl::NonVisualControl;


  void WriteKindProperty(int index, const PropertyValue& value) override {
    CommonDlgProperties& dialog = Properties();
    switch (index) {
      case kDialogType: dialog.dialogType = BringChoice(AsInt(value), 3); break;
      case kTitle: dialog.title = AsText(value); break;
      case kFileName: dialog.fileName = AsText(value); break;
      case kFilter: dialog.filter = AsText(value); break;
      case kInitialFilterIndex: dialog.initialFilterIndex = AsInt(value) < 0 ? 0 : AsInt(value); break;
      case kInitialFolder: dialog.initialFolder = AsText(value); break;
      case kDefaultExtension: dialog.defaultExtension = AsText(value); break;
      case kCreatePrompt: dialog.createPrompt = AsBool(value); break;
      case kFileMustExist: dialog.fileMustExist = AsBool(value); break;
      case kOverwritePrompt: dialog.overwritePrompt = AsBool(value); break;
      case kPathMustExist: dialog.pathMustExist = AsBool(value); break;
      case kKeepCurrentFolder: dialog.keepCurrentFolder = AsBool(value); break;
      default:
        if (index >= kFirstOtherSetting && index <= kLastOtherSetting) otherSettings_[index - kFirstOtherSetting] = value;
        break;
    }
  }

  PropertyValue ReadKindProperty(int index) const override {
    const CommonDlgProperties& dialog = Properties();
    switch (index) {
      case kDialogType: return dialog.dialogType;
      case kTitle: return dialog.title;
      case kFileName: return dialog.fileName;
      case kFilter: return dialog.filter;
      case kInitialFilterIndex: return dialog.initialFilterIndex;
      case kInitialFolder: return dialog.initialFolder;
      case kDefaultExtension: return dialog.defaultExtension;
      case kCreatePrompt: return dialog.createPrompt;
      case kFileMustExist: return dialog.fileMustExist;
      case kOverwritePrompt: return dialog.overwritePrompt;
      case kPathMustExist: return dialog.pathMustExist;
      case kKeepCurrentFolder: return dialog.keepCurrentFolder;
      default:
        if (index >= kFirstOtherSetting && index <= kLastOtherSetting) return otherSettings_[index - kFirstOtherSetting];
        return int32_t{0};
    }
  }

 private:
  CommonDlgProperties& Properties() const { return std::get<CommonDlgProperties>(definition().properties); }

  // The colour, font and help settings of the dialog types the program does not use: kept
  // while the window is loaded, read back as written.
  std::array<PropertyValue, kLastOtherSetting - kFirstOtherSetting + 1> otherSettings_{};
};
}  // namespace

std::unique_ptr<Control> MakeCommonDlg(WindowId window, UnitDefinition& unit) {
  return std::make_unique<CommonDlg>(window, unit);
}
