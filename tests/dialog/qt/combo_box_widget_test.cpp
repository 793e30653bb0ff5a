// The combo box on Qt: typing clears the selection, as typing into the
// platform's control does. Its list operations are tested on both hosts
// (tests/dialog/combo_box_test.cpp).
#include "dialog/window/qt/combo_box_widget.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace zaltor::win {
namespace {

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
