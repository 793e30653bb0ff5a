// Typing into the dialog's editable combo boxes on Qt.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "dialog/run_fixture.h"
#include "dialog/window/qt/dialog_host.h"

namespace zaltor {
namespace {

using testing::ValueOf;

class ComboBoxTypingTest : public testing::RunFixture {};

// Typed text is what Go reads: the text fields complete nothing, and Enter
// in them presses Go at once.
TEST_F(ComboBoxTypingTest, TypedTextGoesAsTypedAndEnterInAComboBoxPressesGo) {
  SearchDialog& d = Open();
  d.Combo(res::kWords).InsertString(0, "error code");
  QLineEdit* pattern = d.Host().Combo(res::kPattern)->lineEdit();
  QLineEdit* words = d.Host().Combo(res::kWords)->lineEdit();
  d.FocusControl(res::kPattern);
  QTest::keyClicks(pattern, "t");
  d.FocusControl(res::kWords);
  QTest::keyClicks(words, "error");
  QTest::keyClick(words, Qt::Key_Return);
  ASSERT_TRUE(testing::ServeUntil([this] { return !Runs().empty() && !dialog->WorkerActive(); }));
  EXPECT_EQ(ValueOf(OnlyRun(), "/fp"), "C:\\t");
  EXPECT_EQ(ValueOf(OnlyRun(), "/sp"), "error");
  d.FocusControl(res::kPattern);
  QTest::keyClicks(pattern, "x");
  QTest::keyClick(pattern, Qt::Key_Enter);
  ASSERT_TRUE(testing::ServeUntil([this] { return Runs().size() == 2 && !dialog->WorkerActive(); }));
  EXPECT_EQ(ValueOf(Runs().back(), "/fp"), "C:\\tx");
}

}  // namespace
}  // namespace zaltor
