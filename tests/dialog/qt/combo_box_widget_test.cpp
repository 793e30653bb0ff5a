// The Win32 list semantics of the combo box: searches, explicit and sorted
// insertion, deletion and the selection that typing clears.
#include "dialog/window/qt/combo_box_widget.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace zaltor::win {
namespace {

std::vector<std::string> Items(const ComboBox& combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
  return items;
}

TEST(ComboBoxWidgetTest, FindStringIsACaseInsensitivePrefixSearchThatWraps) {
  ComboBoxWidget combo(nullptr, true, false);
  for (const char* item : {"D:\\(CDROM)", "c:\\(FIXED)", "C:\\(RAM)", "All"}) combo.AddString(item);
  EXPECT_EQ(combo.FindString(-1, "C:"), 1);
  EXPECT_EQ(combo.FindString(1, "c:"), 2);
  EXPECT_EQ(combo.FindString(2, "C:"), 1);  // wraps to the top
  EXPECT_EQ(combo.FindString(-1, "q:"), kComboError);
  EXPECT_EQ(combo.FindString(-1, "all and more"), kComboError);
  EXPECT_EQ(combo.FindStringExact(-1, "ALL"), 3);
  EXPECT_EQ(combo.FindStringExact(-1, "Al"), kComboError);
}

TEST(ComboBoxWidgetTest, SortedAddPlacesByBinarySearchAndInsertDoesNot) {
  ComboBoxWidget combo(nullptr, false, true);
  // Explicit insertion keeps the order given, even on a sorted list.
  combo.InsertString(0, "A:\\(REMOVABLE)");
  combo.InsertString(0, "C:\\(FIXED)");
  combo.InsertString(0, "D:\\(CDROM)");
  EXPECT_EQ(combo.AddString("All"), 0);
  EXPECT_EQ(Items(combo), (std::vector<std::string>{"All", "D:\\(CDROM)", "C:\\(FIXED)", "A:\\(REMOVABLE)"}));

  ComboBoxWidget sorted(nullptr, false, true);
  for (const char* item : {"pear", "Apple", "fig", "banana"}) sorted.AddString(item);
  EXPECT_EQ(Items(sorted), (std::vector<std::string>{"Apple", "banana", "fig", "pear"}));
  // A colon sorts before letters.
  EXPECT_LT(ComboBoxWidget::CompareItems("A:\\(REMOVABLE)", "All"), 0);
  EXPECT_EQ(ComboBoxWidget::CompareItems("ALL", "all"), 0);

  ComboBoxWidget unsorted(nullptr, false, false);
  unsorted.AddString("b");
  unsorted.AddString("a");
  EXPECT_EQ(Items(unsorted), (std::vector<std::string>{"b", "a"}));
}

TEST(ComboBoxWidgetTest, InsertDeleteAndSelectionFollowTheItems) {
  ComboBoxWidget combo(nullptr, true, false);
  EXPECT_EQ(combo.InsertString(1, "past the end"), kComboError);
  combo.AddString("one");
  combo.AddString("three");
  EXPECT_EQ(combo.GetCurSel(), kComboError);  // adding selects nothing
  EXPECT_EQ(combo.SetCurSel(1), 1);
  EXPECT_EQ(combo.WindowText(), "three");
  combo.InsertString(1, "two");
  EXPECT_EQ(combo.GetCurSel(), 2);  // the selected item moved down
  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.DeleteString(1), 1);
  EXPECT_EQ(combo.GetCurSel(), kComboError);
  EXPECT_EQ(combo.WindowText(), "three");  // the text field keeps its text
  EXPECT_EQ(combo.DeleteString(5), kComboError);
  EXPECT_EQ(combo.GetLBText(7), "");
}

TEST(ComboBoxWidgetTest, TypingClearsTheSelectionAndTheLimitHolds) {
  ComboBoxWidget combo(nullptr, true, false);
  combo.AddString("Audio(*.wav)");
  combo.SetCurSel(0);
  combo.LimitText(5);
  combo.lineEdit()->clear();
  QTest::keyClicks(combo.lineEdit(), "abcdefgh");
  EXPECT_EQ(combo.GetCurSel(), kComboError);
  EXPECT_EQ(combo.WindowText(), "abcde");
  combo.SetWindowText("set by the program");
  EXPECT_EQ(combo.GetCurSel(), kComboError);
}

}  // namespace
}  // namespace zaltor::win
