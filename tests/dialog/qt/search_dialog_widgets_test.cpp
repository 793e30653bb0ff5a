// The main dialog's widgets on Qt: places and tab order from the template,
// the combo boxes' settings, tooltips shown, the keys, the window icon's
// images and the group boxes' frames.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <tuple>

#include "dialog/search_dialog_fixture.h"
#include "dialog/window/qt/dialog_host.h"
#include "dialog/window/qt/icon_image.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor {
namespace {

using testing::ScriptedBoxes;

class SearchDialogWidgetsTest : public testing::SearchDialogTest {};

TEST_F(SearchDialogWidgetsTest, ControlsStandWhereTheTemplateSaysInTabOrder) {
  SearchDialog& d = Open();
  EXPECT_EQ(d.Host().windowTitle(), "ZALTOR File Utility V3.2.1");
  const win::DialogTemplate& form = *res::FindDialogTemplate(res::kMainDialog);
  const win::BaseUnits& units = d.Host().Units();
  EXPECT_GT(units.x, 0);
  EXPECT_GT(units.y, 0);
  EXPECT_EQ(d.Host().size(), win::DialogUnitsToPixels(units, 0, 0, 312, 297).size());
  std::vector<QWidget*> tabStops;
  for (int i = 0; i < form.controlCount; ++i) {
    const win::ControlTemplate& row = form.controls[i];
    if (row.id == win::kNoId) continue;
    QWidget* widget = d.Host().Control(row.id);
    ASSERT_NE(widget, nullptr) << row.id;
    const QRect place = win::DialogUnitsToPixels(units, row.x, row.y, row.width, row.height);
    EXPECT_EQ(widget->pos(), place.topLeft()) << row.id;
    EXPECT_EQ(widget->width(), place.width()) << row.id;
    if (row.style & win::kTabStop && widget->focusPolicy() != Qt::NoFocus) tabStops.push_back(widget);
  }
  // The Tab key walks the tab stops in template order.
  for (std::size_t i = 0; i + 1 < tabStops.size(); ++i) {
    // An editable combo box's text field is its own child in the chain.
    QWidget* next = tabStops[i]->nextInFocusChain();
    while (next != nullptr && (!(next->focusPolicy() & Qt::TabFocus) || tabStops[i]->isAncestorOf(next))) {
      next = next->nextInFocusChain();
    }
    if (next != nullptr && tabStops[i + 1]->isAncestorOf(next)) next = tabStops[i + 1];
    EXPECT_EQ(next, tabStops[i + 1]) << i;
  }
  // The size operators and AND/OR are set with the mouse only.
  for (int id : {res::kSizeEqual, res::kSizeRange, res::kAnd, res::kOr}) {
    EXPECT_EQ(d.Host().Control(id)->focusPolicy(), Qt::ClickFocus) << id;
  }
  EXPECT_EQ(d.Host().Control(res::kDateAfter)->focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(static_cast<QPushButton*>(d.Host().Control(res::kGo))->isDefault());
  EXPECT_EQ(Text(res::kReset), "Re&set");
  EXPECT_EQ(Text(res::kIdCancel), "E&xit");
  // A window of its own for the window manager, not a dialog kept over a
  // hidden one and out of the task bar.
  EXPECT_EQ(d.Host().windowType(), Qt::Window);
  EXPECT_FALSE(d.Host().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(d.Host().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(SearchDialogWidgetsTest, CombosAndStatusLineTakeTheirSettings) {
  SearchDialog& d = Open();
  win::DialogHost& host = d.Host();
  EXPECT_EQ(host.Combo(res::kPattern)->maxVisibleItems(), 7);
  EXPECT_EQ(host.Combo(res::kPattern)->lineEdit()->maxLength(), 260);
  EXPECT_EQ(host.Combo(res::kWords)->maxVisibleItems(), 5);
  EXPECT_EQ(host.Combo(res::kDrives)->maxVisibleItems(), 10);
  EXPECT_FALSE(host.Combo(res::kDrives)->isEditable());
  EXPECT_TRUE(static_cast<QLabel*>(host.Control(res::kStatus))->wordWrap());
}

TEST_F(SearchDialogWidgetsTest, EveryControlShowsItsTooltipEvenWhenDisabled) {
  SearchDialog& d = Open();
  const win::DialogTemplate& form = *res::FindDialogTemplate(res::kMainDialog);
  for (int i = 0; i < form.controlCount; ++i) {
    const int id = form.controls[i].id;
    if (id == win::kNoId) continue;
    const char* entry = res::LoadResourceString(id);
    EXPECT_EQ(d.Host().Control(id)->toolTip().toStdString(), entry != nullptr ? entry : "") << id;
  }

  // A disabled control still shows its tooltip when the pointer rests on it.
  QWidget* results = d.Host().Control(res::kViewResults);
  d.EnableDlgItem(res::kViewResults, false);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), results->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(results, &help);
  EXPECT_EQ(QToolTip::text(), "View last search results.");
  QToolTip::hideText();

  // None covers a dropped list, not even one whose wait began before.
  d.Host().Combo(res::kPattern)->showPopup();
  QApplication::sendEvent(results, &help);
  EXPECT_FALSE(QToolTip::isVisible());
  d.Host().Combo(res::kPattern)->hidePopup();
}

TEST_F(SearchDialogWidgetsTest, EscEndsTheDialogAndEnterInATextFieldPressesGo) {
  ScriptedBoxes boxes;
  SearchDialog& d = Open();
  bool pressed = false;
  QObject::connect(static_cast<QPushButton*>(d.Host().Control(res::kGo)), &QPushButton::clicked,
                   [&pressed] { pressed = true; });
  d.FocusControl(res::kDate);
  QTest::keyClick(d.Host().Control(res::kDate), Qt::Key_Return);
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(testing::ServeUntil([&d] { return !d.WorkerActive(); }));
  // The pattern is empty, so Go refuses to run.
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, "File name/pattern is required, at the least, to run!");

  QTest::keyClick(&d.Host(), Qt::Key_Escape);
  EXPECT_FALSE(d.IsWindowVisible());
  EXPECT_EQ(d.EndCode(), 2);
}

TEST_F(SearchDialogWidgetsTest, HelpButtonAndF1GiveTheMainDialogsTopic) {
  std::vector<unsigned long> contexts;
  win::DialogWindow::SetHelpHandler([&contexts](unsigned long context) { contexts.push_back(context); });
  SearchDialog& d = Open();
  EXPECT_FALSE(d.Host().Control(res::kCommandHelp)->isHidden());
  QTest::mouseClick(d.Host().Control(res::kCommandHelp), Qt::LeftButton);
  QTest::keyClick(d.Host().Control(res::kPattern), Qt::Key_F1);
  QTest::keyClick(d.Host().Control(res::kPattern), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(contexts, (std::vector<unsigned long>{0x20066, 0x20066}));
  win::DialogWindow::SetHelpHandler({});

  // Without a handler of the help command the Help button is not shown.
  SearchDialog& other = Open();
  EXPECT_TRUE(other.Host().Control(res::kCommandHelp)->isHidden());
}

TEST_F(SearchDialogWidgetsTest, IconIsTheWindowsIconInBothSizes) {
  SearchDialog& d = Open();
  const QList<QSize> sizes = d.Host().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  const QImage big = win::QtIcon(d.OnQueryDragIcon()).pixmap(32, 32).toImage();
  EXPECT_EQ(big.pixel(0, 0) >> 24, 0u);             // transparent corner
  EXPECT_EQ(big.pixel(3, 1), 0xff000000u);          // the page's black edge
}

// A radio button that has had the focus does not take its group's tab stop:
// the template's stops hold for the dialog's whole life.
TEST_F(SearchDialogWidgetsTest, TabStopsStayThoseOfTheTemplateAfterRadioButtonsHadTheFocus) {
  SearchDialog& d = Open();
  for (int id : {res::kDateAfter, res::kTimeRange, res::kSizeGreater, res::kAnd}) {
    QTest::mouseClick(d.Host().Control(id), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), d.Host().Control(id)) << id;
  }
  auto tabsFrom = [&d](int id, int count) {
    d.FocusControl(id);
    std::vector<int> reached;
    for (int i = 0; i < count; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached.push_back(d.Host().ControlId(QApplication::focusWidget()));
    }
    return reached;
  };
  EXPECT_EQ(tabsFrom(res::kDate, 6), (std::vector<int>{res::kDateOn, res::kDateAfter, res::kDateBefore,
                                                       res::kDateRange, res::kTime, res::kTimeAt}));
  EXPECT_EQ(tabsFrom(res::kTimeBefore, 3), (std::vector<int>{res::kTimeRange, res::kSize, res::kSubdirectories}));
  EXPECT_EQ(tabsFrom(res::kSystem, 1), (std::vector<int>{res::kGo}));
}

// The arrow keys go round a radio group in template order, not by where the
// buttons stand, over a disabled one and onto those that are no tab stop,
// checking the one they reach, as the platform's dialogs do.
TEST_F(SearchDialogWidgetsTest, ArrowKeysMoveTheCheckRoundARadioGroupInTemplateOrder) {
  SearchDialog& d = Open();
  auto button = [&d](int id) { return static_cast<QAbstractButton*>(d.Host().Control(id)); };
  button(res::kSizeLess)->setEnabled(false);
  // "=" ">" "<" ">=" "<=" in a row, "Range" below "=", AND right of OR.
  const std::tuple<int, Qt::Key, int> steps[] = {
      {res::kSizeEqual, Qt::Key_Down, res::kSizeGreater}, {0, Qt::Key_Right, res::kSizeGreaterEqual},
      {0, Qt::Key_Up, res::kSizeGreater},                 {0, Qt::Key_Left, res::kSizeEqual},
      {0, Qt::Key_Left, res::kSizeRange},                 {0, Qt::Key_Down, res::kSizeEqual},
      {res::kAnd, Qt::Key_Right, res::kOr}};
  for (const auto& [clicked, key, reached] : steps) {
    if (clicked != 0) QTest::mouseClick(button(clicked), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), button(reached)) << reached;
    EXPECT_TRUE(button(reached)->isChecked()) << reached;
  }
}

// Each frame stands at its template rectangle: its left line runs from the
// middle of the caption's height to the bottom, with nothing above it, so
// the caption sits on the top line and the first row of controls is inside.
TEST_F(SearchDialogWidgetsTest, GroupBoxesAreFramedAtTheirRectangleWithTheCaptionOnTheTopLine) {
  SearchDialog& d = Open();
  const QImage shot = d.Host().grab().toImage();
  const QRgb background = d.Host().palette().color(QPalette::Window).rgb();
  const QList<QGroupBox*> frames = d.Host().findChildren<QGroupBox*>();
  ASSERT_EQ(frames.size(), 6);
  for (const QGroupBox* frame : frames) {
    const QRect place = frame->geometry();
    const int topLine = place.y() + frame->fontMetrics().height() / 2;
    for (int y = place.y(); y < topLine; ++y) {
      EXPECT_EQ(shot.pixel(place.x(), y), background) << frame->title().toStdString() << " row " << y;
    }
    for (int y = topLine; y < place.bottom() - 1; ++y) {
      EXPECT_NE(shot.pixel(place.x(), y), background) << frame->title().toStdString() << " row " << y;
    }
    // The top line runs on to the right edge, past the caption.
    EXPECT_NE(shot.pixel(place.right() - 2, topLine), background) << frame->title().toStdString();
  }
}

}  // namespace
}  // namespace zaltor
