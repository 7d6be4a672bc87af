// Converting property values to the form a property asks for. A value of another form
// converts as the runtime always did: a text or bytes value read as a number gives 0, a
// number read as a text gives its decimal digits.
#pragma once
#include <cstdint>
#include <string>

#include "controls/runtime.h"

int32_t AsInt(const PropertyValue& value);
// 0 = false, anything else = true; answers 0 or 1.
int32_t AsBool(const PropertyValue& value);
std::string AsText(const PropertyValue& value);
ByteString AsBytes(const PropertyValue& value);
// A choice of 0..last: negative values become 0, values above the list become `last`.
int BringChoice(int32_t value, int last);
// An integer property's range: values below `low` become `low`, above `high` become `high`.
int32_t BringInto(int32_t value, int32_t low, int32_t high);
