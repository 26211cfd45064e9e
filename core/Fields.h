// The values a group stores, one by one: read them, set one, compare two
// readings. Edits record the fields they changed, so that undo, the views
// and the other selected groups deal with those fields only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/KesProp.h"

// One stored value: a number, a colour or a text.
using FieldValue = std::variant<int32_t, uint32_t, std::string>;

// A field of a group (by its place in the group's order) going from one
// value to another.
struct FieldEdit {
  std::size_t field = 0;
  FieldValue before, after;
};

// Every value `group` stores itself, in its order.
std::vector<FieldValue> FieldValues(KesProp& group);
// Their names, in the same order.
std::vector<std::string_view> FieldNames(KesProp& group);
// The place of the field `name` in the group's order, or -1.
int FieldIndex(KesProp& group, std::string_view name);
// Sets the field at `field` when `value` has its type (false otherwise).
bool SetField(KesProp& group, std::size_t field, const FieldValue& value);
// The fields whose values differ between two readings of one group.
std::vector<FieldEdit> DiffFields(const std::vector<FieldValue>& before,
                                  const std::vector<FieldValue>& after);
