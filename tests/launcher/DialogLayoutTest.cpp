#include "launcher/DialogLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "launcher/SettingRules.h"
#include "launcher/SettingsForm.h"

namespace kx {
namespace {

bool Overlap(const DialogItem& a, const DialogItem& b) {
  const int aBottom = a.kind == ItemKind::DropList ? a.y + 12 : a.y + a.cy;
  const int bBottom = b.kind == ItemKind::DropList ? b.y + 12 : b.y + b.cy;
  return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < bBottom && b.y < aBottom;
}

bool Inside(const DialogItem& item, const DialogItem& group) {
  const int bottom = item.kind == ItemKind::DropList ? item.y + 12 : item.y + item.cy;
  return item.x >= group.x + 4 && item.x + item.cx <= group.x + group.cx - 4 &&
         item.y >= group.y + 8 && bottom <= group.y + group.cy - 2;
}

// The character after "&", upper-cased; 0 when the text has none.
char Mnemonic(const std::string& text) {
  const std::size_t amp = text.find('&');
  if (amp == std::string::npos || amp + 1 >= text.size()) return 0;
  const char c = text[amp + 1];
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

TEST(DialogLayout, EveryFieldHasOneControlOfItsKind) {
  using enum ItemKind;
  const std::map<SettingField, ItemKind> expectedKinds = {
      {SettingField::Key, DropList},
      {SettingField::SaveDir, Edit},
      {SettingField::FilePrefix, Edit},
      {SettingField::SerialDigits, NumberEdit},
      {SettingField::Extension, DropList},
      {SettingField::Colors, DropList},
      {SettingField::AlwaysSave, Check},
      {SettingField::Cursor, Check},
      {SettingField::Invert, Check},
      {SettingField::Printer, DropList},
      {SettingField::Orientation, DropList},
      {SettingField::Quality, DropList},
      {SettingField::PrintPercent, NumberEdit},
      {SettingField::MarginLeft, NumberEdit},
      {SettingField::MarginRight, NumberEdit},
      {SettingField::MarginTop, NumberEdit},
      {SettingField::MarginBottom, NumberEdit},
      {SettingField::HeaderText, Edit},
      {SettingField::HeaderLayout, DropList},
      {SettingField::PrintDate, Check},
      {SettingField::FileFormat, DropList},
      {SettingField::Clipboard, Check},
      {SettingField::Screen, DropList},
      {SettingField::Tray, Check},
      {SettingField::Region, Check},
  };
  ASSERT_EQ(expectedKinds.size(), kAllSettingFields.size());
  const DialogLayout layout = SettingsDialogLayout();
  for (const SettingField field : kAllSettingFields) {
    SCOPED_TRACE(CommandName(field));
    const auto count = std::count_if(layout.items.begin(), layout.items.end(),
                                     [&](const DialogItem& i) { return i.id == ControlId(field); });
    ASSERT_EQ(count, 1);
    const DialogItem& item =
        *std::find_if(layout.items.begin(), layout.items.end(),
                      [&](const DialogItem& i) { return i.id == ControlId(field); });
    EXPECT_EQ(item.kind, expectedKinds.at(field));
  }
}

TEST(DialogLayout, ControlIdsAreUniqueAndOkAndCancelAreThere) {
  const DialogLayout layout = SettingsDialogLayout();
  std::set<int> ids;
  for (const DialogItem& item : layout.items) {
    if (item.id != kNoId) {
      EXPECT_TRUE(ids.insert(item.id).second) << item.id;
    }
  }
  EXPECT_TRUE(ids.contains(kSaveAndStartId));
  EXPECT_TRUE(ids.contains(kCancelId));
  EXPECT_TRUE(ids.contains(kStopId));
  EXPECT_TRUE(ids.contains(kBrowseId));
  EXPECT_TRUE(ids.contains(kStatusId));
  EXPECT_TRUE(ids.contains(kSaveOnlyId));
  EXPECT_EQ(std::count_if(layout.items.begin(), layout.items.end(),
                          [](const DialogItem& i) { return i.kind == ItemKind::DefaultButton; }),
            1);
}

TEST(DialogLayout, ControlsStayInsideTheDialogAndTheirGroupAndApart) {
  const DialogLayout layout = SettingsDialogLayout();
  std::vector<DialogItem> groups, others;
  for (const DialogItem& item : layout.items) {
    EXPECT_GE(item.x, 4) << item.text;
    EXPECT_GE(item.y, 4) << item.text;
    EXPECT_LE(item.x + item.cx, layout.cx - 4) << item.text;
    if (item.kind != ItemKind::DropList) {
      EXPECT_LE(item.y + item.cy, layout.cy - 4) << item.text;
    }
    (item.kind == ItemKind::Group ? groups : others).push_back(item);
  }
  for (std::size_t i = 0; i < groups.size(); ++i) {
    for (std::size_t j = i + 1; j < groups.size(); ++j) {
      EXPECT_FALSE(Overlap(groups[i], groups[j])) << groups[i].text << " / " << groups[j].text;
    }
  }
  for (std::size_t i = 0; i < others.size(); ++i) {
    const auto inGroups = std::count_if(groups.begin(), groups.end(),
                                        [&](const DialogItem& g) { return Overlap(others[i], g); });
    if (inGroups > 0) {
      EXPECT_EQ(inGroups, 1) << others[i].text;
      const auto holder = std::find_if(groups.begin(), groups.end(),
                                       [&](const DialogItem& g) { return Overlap(others[i], g); });
      EXPECT_TRUE(Inside(others[i], *holder)) << others[i].text << " id " << others[i].id;
    }
    for (std::size_t j = i + 1; j < others.size(); ++j) {
      EXPECT_FALSE(Overlap(others[i], others[j]))
          << others[i].text << " id " << others[i].id << " / " << others[j].text << " id "
          << others[j].id;
    }
  }
}

TEST(DialogLayout, MnemonicsAreUniqueAndLabelsLeadToTheirControls) {
  const DialogLayout layout = SettingsDialogLayout();
  std::map<char, std::string> seen;
  for (std::size_t i = 0; i < layout.items.size(); ++i) {
    const DialogItem& item = layout.items[i];
    const char mnemonic = Mnemonic(item.text);
    if (mnemonic == 0) continue;
    EXPECT_TRUE(seen.emplace(mnemonic, item.text).second) << item.text << " and " << seen[mnemonic];
    if (item.kind == ItemKind::Label) {
      // The dialog manager moves a label's mnemonic to the next control.
      ASSERT_LT(i + 1, layout.items.size());
      const ItemKind next = layout.items[i + 1].kind;
      EXPECT_TRUE(next == ItemKind::Edit || next == ItemKind::NumberEdit ||
                  next == ItemKind::DropList)
          << item.text;
    }
  }
  // Every edit and list can be reached by a mnemonic.
  for (std::size_t i = 0; i < layout.items.size(); ++i) {
    const ItemKind kind = layout.items[i].kind;
    if (kind != ItemKind::Edit && kind != ItemKind::NumberEdit && kind != ItemKind::DropList) {
      continue;
    }
    ASSERT_GT(i, 0U);
    EXPECT_EQ(layout.items[i - 1].kind, ItemKind::Label) << layout.items[i].id;
    EXPECT_NE(Mnemonic(layout.items[i - 1].text), 0) << layout.items[i].id;
  }
}

// Input errors name a field by its label, so the label must be what the
// dialog shows: a row's label or a check box's text, without mnemonic and colon.
TEST(DialogLayout, EachFieldIsLabelledAsItsMessagesNameIt) {
  const DialogLayout layout = SettingsDialogLayout();
  std::set<std::string> shown;
  for (const DialogItem& item : layout.items) {
    std::string text = item.text;
    if (const std::size_t mnemonic = text.find("(&"); mnemonic != std::string::npos) {
      text.erase(mnemonic, 4);
    }
    if (!text.empty() && text.back() == ':') text.pop_back();
    shown.insert(text);
  }
  for (const SettingField field : kAllSettingFields) {
    const std::string label(Label(field));
    if (label.starts_with("余白 ")) {  // "余白 (mm):" heads the four margins' own labels
      EXPECT_TRUE(shown.contains("余白 (mm)"));
      EXPECT_TRUE(shown.contains(label.substr(std::string("余白 ").size()))) << label;
    } else {
      EXPECT_TRUE(shown.contains(label)) << label;
    }
  }
}

TEST(DialogLayout, TakesTheFirstInstalledFaceAndFallsBackToTheShellFont) {
  EXPECT_EQ(ChooseDialogFace([](std::string_view face) { return face.starts_with("VL"); }),
            "VL PGothic");
  EXPECT_EQ(ChooseDialogFace([](std::string_view) { return true; }), "Meiryo UI");
  EXPECT_EQ(ChooseDialogFace([](std::string_view) { return false; }), "MS Shell Dlg");
}

}  // namespace
}  // namespace kx
