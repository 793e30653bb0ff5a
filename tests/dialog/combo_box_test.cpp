// The list operations of the combo box, on the host's own control: searches,
// explicit and sorted insertion, deletion and the selection that follows the
// items.
#include "dialog/window/combo_box.h"

#include <gtest/gtest.h>

#include "dialog/window/dialog_window.h"

namespace zaltor::win {
namespace {

constexpr int kTyped = 10;   // a text field over an unsorted list
constexpr int kSorted = 11;  // a sorted list without a text field

const ControlTemplate kControls[] = {
    {kTyped, ControlKind::kComboDropDown, "", 5, 5, 100, 60, kTabStop},
    {kSorted, ControlKind::kComboDropList, "", 5, 25, 100, 60, kTabStop | win::kSorted},
};
const DialogTemplate kTemplate = {900, 120, 50, "MS Sans Serif", 8, "Lists", kDialogCaption, kControls, 2};

class ComboBoxTest : public ::testing::Test {
 protected:
  ComboBoxTest() {
    window.Create();
    typed = &window.Combo(kTyped);
    sorted = &window.Combo(kSorted);
  }
  std::vector<std::string> Items(const ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
    return items;
  }
  DialogWindow window{kTemplate};
  ComboBox* typed = nullptr;
  ComboBox* sorted = nullptr;
};

TEST_F(ComboBoxTest, FindStringIsACaseInsensitivePrefixSearchThatWraps) {
  for (const char* item : {"D:\\(CDROM)", "c:\\(FIXED)", "C:\\(RAM)", "All"}) typed->AddString(item);
  EXPECT_EQ(typed->FindString(-1, "C:"), 1);
  EXPECT_EQ(typed->FindString(1, "c:"), 2);
  EXPECT_EQ(typed->FindString(2, "C:"), 1);  // wraps to the top
  EXPECT_EQ(typed->FindString(-1, "q:"), kComboError);
  EXPECT_EQ(typed->FindString(-1, "all and more"), kComboError);
  EXPECT_EQ(typed->FindStringExact(-1, "ALL"), 3);
  EXPECT_EQ(typed->FindStringExact(-1, "Al"), kComboError);
}

TEST_F(ComboBoxTest, SortedAddPlacesByBinarySearchAndInsertDoesNot) {
  // Explicit insertion keeps the order given, even on a sorted list.
  sorted->InsertString(0, "A:\\(REMOVABLE)");
  sorted->InsertString(0, "C:\\(FIXED)");
  sorted->InsertString(0, "D:\\(CDROM)");
  EXPECT_EQ(sorted->AddString("All"), 0);
  EXPECT_EQ(Items(*sorted), (std::vector<std::string>{"All", "D:\\(CDROM)", "C:\\(FIXED)", "A:\\(REMOVABLE)"}));

  while (sorted->GetCount() > 0) sorted->DeleteString(0);
  // Case is ignored, and a colon sorts before letters.
  for (const char* item : {"pear", "Apple", "fig", "All", "banana", "A:\\(REMOVABLE)"}) sorted->AddString(item);
  EXPECT_EQ(Items(*sorted), (std::vector<std::string>{"A:\\(REMOVABLE)", "All", "Apple", "banana", "fig", "pear"}));

  typed->AddString("b");
  typed->AddString("a");
  EXPECT_EQ(Items(*typed), (std::vector<std::string>{"b", "a"}));
}

TEST_F(ComboBoxTest, InsertDeleteAndSelectionFollowTheItems) {
  EXPECT_EQ(typed->InsertString(1, "past the end"), kComboError);
  typed->AddString("one");
  typed->AddString("three");
  EXPECT_EQ(typed->GetCurSel(), kComboError);  // adding selects nothing
  EXPECT_EQ(typed->SetCurSel(1), 1);
  EXPECT_EQ(typed->WindowText(), "three");
  typed->InsertString(1, "two");
  EXPECT_EQ(typed->GetCurSel(), 2);  // the selected item moved down
  EXPECT_EQ(typed->DeleteString(0), 2);
  EXPECT_EQ(typed->GetCurSel(), 1);
  EXPECT_EQ(typed->DeleteString(1), 1);
  EXPECT_EQ(typed->GetCurSel(), kComboError);
  EXPECT_EQ(typed->WindowText(), "three");  // the text field keeps its text
  EXPECT_EQ(typed->DeleteString(5), kComboError);
  EXPECT_EQ(typed->GetLBText(7), "");
}

}  // namespace
}  // namespace zaltor::win
