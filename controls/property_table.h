// A kind's own properties as a table: each row names a property index, the field of the kind's
// stored properties behind it, how a written number is brought into range, and the step that
// shows the new value on the live control. One generic write and one generic read walk the
// table, so a kind lists its properties once instead of switching on the index twice.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "controls/property_value.h"

// How a written number is brought into range before it is stored.
struct ValueClamp {
  enum class Rule { AsIs, Boolean, Choice, Range };
  Rule rule = Rule::AsIs;
  int32_t low = 0;
  int32_t high = 0;
};
inline constexpr ValueClamp kAsIs{};
inline constexpr ValueClamp kBoolean{ValueClamp::Rule::Boolean};
// A choice of 0..last (BringChoice).
constexpr ValueClamp Choice(int32_t last) { return {ValueClamp::Rule::Choice, 0, last}; }
// A number within low..high (BringInto).
constexpr ValueClamp Range(int32_t low, int32_t high) { return {ValueClamp::Rule::Range, low, high}; }

// The written value as the clamp stores it.
int32_t ClampedInt(const PropertyValue& value, ValueClamp clamp);
// A list property travels as one text, its items one per line ("\r\n" between them).
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

// One colour of a stored run of three (a label's frame bands and gradient corners).
template <typename Properties>
struct ColourOfThree {
  Colour (Properties::*colours)[3];
  int which;
};

// A bytes field whose written value is stored by a rule of its own (a font record checked for
// its length, a picture copied into the buffer it replaces).
template <typename Properties>
struct BytesStoredBy {
  ByteString Properties::*field;
  void (*store)(ByteString& stored, const PropertyValue& value);
};

// The stored field behind a property; monostate for a property the kind only reads live.
template <typename Properties>
using PropertyField =
    std::variant<std::monostate, int Properties::*, Colour Properties::*, std::string Properties::*,
                 ByteString Properties::*, std::vector<std::string> Properties::*, ColourOfThree<Properties>,
                 BytesStoredBy<Properties>>;

template <typename Kind, typename Properties>
struct PropertyRow {
  int index;
  PropertyField<Properties> field;
  ValueClamp clamp = kAsIs;
  // Shows the stored value on the live control; null when storing is all a write does.
  void (Kind::*apply)() = nullptr;
  // Runs `apply` only when the write changed the stored value (a step that rebuilds the control).
  bool applyOnlyWhenChanged = false;
  // A reading from the live control, in place of the stored field.
  PropertyValue (Kind::*read)() const = nullptr;
};

namespace property_table_detail {
template <typename Properties>
struct FieldStore {
  Properties& stored;
  const PropertyValue& value;
  ValueClamp clamp;

  void operator()(std::monostate) const {}
  void operator()(int Properties::*field) const { stored.*field = ClampedInt(value, clamp); }
  void operator()(Colour Properties::*field) const { stored.*field = static_cast<Colour>(ClampedInt(value, clamp)); }
  void operator()(std::string Properties::*field) const { stored.*field = AsText(value); }
  void operator()(ByteString Properties::*field) const { stored.*field = AsBytes(value); }
  void operator()(std::vector<std::string> Properties::*field) const { stored.*field = SplitLines(AsText(value)); }
  void operator()(ColourOfThree<Properties> band) const {
    (stored.*band.colours)[band.which] = static_cast<Colour>(ClampedInt(value, clamp));
  }
  void operator()(BytesStoredBy<Properties> bytes) const { bytes.store(stored.*bytes.field, value); }
};

template <typename Properties>
struct FieldRead {
  const Properties& stored;

  PropertyValue operator()(std::monostate) const { return int32_t{0}; }
  PropertyValue operator()(int Properties::*field) const { return int32_t{stored.*field}; }
  PropertyValue operator()(Colour Properties::*field) const { return static_cast<int32_t>(stored.*field); }
  PropertyValue operator()(std::string Properties::*field) const { return stored.*field; }
  PropertyValue operator()(ByteString Properties::*field) const { return stored.*field; }
  PropertyValue operator()(std::vector<std::string> Properties::*field) const { return JoinLines(stored.*field); }
  PropertyValue operator()(ColourOfThree<Properties> band) const {
    return static_cast<int32_t>((stored.*band.colours)[band.which]);
  }
  PropertyValue operator()(BytesStoredBy<Properties> bytes) const { return stored.*bytes.field; }
};

template <typename Row>
const Row* FindRow(std::span<const Row> table, int index) {
  for (const Row& row : table) {
    if (row.index == index) return &row;
  }
  return nullptr;
}
}  // namespace property_table_detail

// Stores `value` into the row's field with its clamp, then runs the row's step. An index the
// table does not list changes nothing.
template <typename Kind, typename Properties>
void WriteTableProperty(Kind& kind, Properties& stored, std::span<const PropertyRow<Kind, Properties>> table, int index,
                        const PropertyValue& value) {
  using namespace property_table_detail;
  const auto* row = FindRow(table, index);
  if (!row) return;
  // Only a row that asks for it pays for the comparison.
  std::optional<PropertyValue> before;
  if (row->apply && row->applyOnlyWhenChanged) before = std::visit(FieldRead<Properties>{stored}, row->field);
  std::visit(FieldStore<Properties>{stored, value, row->clamp}, row->field);
  if (!row->apply) return;
  if (before && *before == std::visit(FieldRead<Properties>{stored}, row->field)) return;
  (kind.*(row->apply))();
}

// The row's live reading or its stored field; an index the table does not list reads 0.
template <typename Kind, typename Properties>
PropertyValue ReadTableProperty(const Kind& kind, const Properties& stored,
                                std::span<const PropertyRow<Kind, Properties>> table, int index) {
  const auto* row = property_table_detail::FindRow(table, index);
  if (!row) return int32_t{0};
  if (row->read) return (kind.*(row->read))();
  return std::visit(property_table_detail::FieldRead<Properties>{stored}, row->field);
}
