#pragma once
// The rule of every field: its name on the command line, its label, the
// member of the settings record that holds it, what its values are, and the
// names of the values that have names.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "launcher/SettingFields.h"
#include "settings/CaptureSettings.h"
#include "settings/SettingsTags.h"

namespace kx {

enum class ValueKind { Key, Range, Choice, Text, Folder, FileNamePart, Extension };

using SettingMember = RecordMember<>;

struct FieldRule {
  SettingField field;
  std::string_view name;
  std::string_view label;
  SettingMember member;
  ValueKind kind;
  std::int32_t min = 0;  // of a Key or a Range
  std::int32_t max = 0;
  std::span<const std::int32_t> choices = {};  // of a Choice
};

const FieldRule& RuleOf(SettingField field);

// The name on the command line ("key", "folder", ...) and the label of the
// field's control in the settings dialog ("ホットキー", ...), which messages
// use too.
std::string_view CommandName(SettingField field);
std::string_view Label(SettingField field);

// True for the fields that hold a whole number.
bool HoldsNumber(SettingField field);

// The field of a command-line name, compared without regard to ASCII case.
[[nodiscard]] std::optional<SettingField> FieldNamed(std::string_view name);

// The named values of a field, as the settings dialog lists them: the keys
// by name, colours, orientations, qualities, heading layouts, extensions,
// file formats, screens. Empty for fields whose values have no names.
const std::vector<Choice>& NamedValues(SettingField field);

}  // namespace kx
