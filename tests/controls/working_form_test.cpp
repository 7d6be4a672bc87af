// The working unit list of a loaded window: live controls keep references to their units, so
// the list can never change its length while it is in use, and the list a window leaves behind
// keeps its units where they were.
#include "controls/working_form.h"

#include <gtest/gtest.h>

#include <span>
#include <type_traits>

#include "forms/form_store.h"
#include "forms/save_dialog.h"

namespace {

static_assert(!std::is_copy_assignable_v<WorkingForm> && !std::is_move_assignable_v<WorkingForm>,
              "a working list is never replaced from outside");
static_assert(std::is_same_v<decltype(std::declval<WorkingForm&>().units()), std::span<UnitDefinition>>,
              "the units are reached through a view of fixed length");

TEST(WorkingForm, ReferencesIntoTheListSurviveItsRestore) {
  WorkingForm form(*FormStore().WorkingCopy(SaveDialog::kId));
  form.RememberPristine();
  UnitDefinition* combo = form.Find(SaveDialog::组合框);
  ASSERT_NE(combo, nullptr);
  combo->left = 999;
  const std::vector<UnitDefinition> retired = form.RestorePristine();
  // The unit a control referred to is still where it was, in the list handed back.
  EXPECT_GE(combo, retired.data());
  EXPECT_LT(combo, retired.data() + retired.size());
  EXPECT_EQ(combo->left, 999);
  // The list in use is the one remembered before the change.
  EXPECT_NE(form.Find(SaveDialog::组合框), combo);
  EXPECT_EQ(form.Find(SaveDialog::组合框)->left, FormStore().FindUnit(SaveDialog::kId, SaveDialog::组合框)->left);
  EXPECT_EQ(form.units().size(), retired.size());
}

TEST(WorkingForm, FindsUnitsByIdOnly) {
  WorkingForm form(*FormStore().WorkingCopy(SaveDialog::kId));
  EXPECT_EQ(form.id(), SaveDialog::kId);
  EXPECT_EQ(form.Find(SaveDialog::kId), &form.units()[0]);
  EXPECT_EQ(form.Find(kControlUnitClass | 0x7777), nullptr);
}

}  // namespace
