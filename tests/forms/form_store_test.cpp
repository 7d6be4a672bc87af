// Looking windows and units up, and the working copy the runtime builds from.
#include <gtest/gtest.h>

#include "forms/form_store.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

TEST(FormStore, FindsUnitsByIdAndByNameWithinTheirOwnWindow) {
  const FormStore store;
  ASSERT_NE(store.FindUnit(SaveDialog::kId, "标签1"), nullptr);
  EXPECT_EQ(store.FindUnit(SaveDialog::kId, "标签1")->id, SaveDialog::标签1);
  EXPECT_EQ(store.FindUnit(PlayerWindow::kId, "标签1")->id, PlayerWindow::标签1);
  EXPECT_EQ(store.FindUnit(RecorderWindow::kId, "标签1")->id, RecorderWindow::标签1);
  EXPECT_EQ(store.FindUnit(PlayerWindow::kId, PlayerWindow::画板)->name, "画板");
  EXPECT_EQ(store.FindUnit(RecorderWindow::kId, SaveDialog::滑块条), nullptr) << "a unit of another window";
  EXPECT_EQ(store.FindUnit(RecorderWindow::kId, ""), nullptr) << "the unnamed window and menu items";
  EXPECT_EQ(store.FindUnit(RecorderWindow::kId, "滑块条"), nullptr);
  EXPECT_EQ(store.Find(kWindowUnitClass | 0xFFFF), nullptr);
  EXPECT_EQ(store.FindUnit(kWindowUnitClass | 0xFFFF, "标签1"), nullptr);
  EXPECT_FALSE(store.WorkingCopy(kWindowUnitClass | 0xFFFF).has_value());
}

TEST(FormStore, AWorkingCopyLeavesTheStoredDefinitionAlone) {
  const FormStore store;
  std::optional<FormDefinition> copy = store.WorkingCopy(SaveDialog::kId);
  ASSERT_TRUE(copy.has_value());
  UnitDefinition* label = FindUnit(*copy, SaveDialog::提示标签);
  ASSERT_NE(label, nullptr);
  std::get<LabelProperties>(label->properties).caption = "正在保存";
  label->flags |= kFlagDisabled;

  const UnitDefinition* stored = store.FindUnit(SaveDialog::kId, SaveDialog::提示标签);
  EXPECT_EQ(std::get<LabelProperties>(stored->properties).caption, "");
  EXPECT_EQ(stored->flags, kFlagVisible);
  EXPECT_EQ(store.WorkingCopy(SaveDialog::kId)->units.size(), 14u);
}

}  // namespace
