// The main dialog as it starts and after Reset: layout from the template,
// every default, the presets, the drive list, tooltips, the menu entry and
// the keys.
#include "dialog/search_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"
#include "dialog/fake_drives.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor {
namespace {

using testing::EnvironmentGuard;
using testing::FakeDrives;
using testing::ScriptedBoxes;

const std::map<char, unsigned> kThreeDrives = {{'A', kDriveRemovable}, {'C', kDriveFixed}, {'D', kDriveCdrom}};

std::vector<std::string> Items(const win::ComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetLBText(i));
  return items;
}

class SearchDialogTest : public ::testing::Test {
 protected:
  SearchDialogTest() {
    env.Set("TMP", "C:\\TEMP");
    env.Set("TEMP", nullptr);
  }
  // Creates the dialog on the drive set and shows it.
  SearchDialog& Open(std::map<char, unsigned> driveSet = kThreeDrives) {
    drives = std::make_unique<FakeDrives>(std::move(driveSet));
    dialog = std::make_unique<SearchDialog>(*drives);
    dialog->Create();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QApplication::processEvents();
    return *dialog;
  }
  std::string Text(int id) { return dialog->GetDlgItemText(id); }
  int Checked(int id) { return dialog->IsDlgButtonChecked(id); }

  void ExpectDefaults() {
    EXPECT_EQ(Text(res::kPattern), "");
    EXPECT_EQ(Text(res::kWords), "");
    for (int id : {res::kDate, res::kTime, res::kSize, res::kDirectoryAction, res::kEnvironment}) {
      EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kDateOn, res::kDateRange), res::kDateOn);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kTimeAt, res::kTimeRange), res::kTimeAt);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kSizeEqual, res::kSizeRange), res::kSizeEqual);
    EXPECT_EQ(dialog->GetCheckedRadioButton(res::kAnd, res::kOr), res::kOr);
    for (int id = res::kArchive; id <= res::kSubdir; ++id) EXPECT_EQ(Checked(id), 1) << id;
    EXPECT_EQ(Checked(res::kSubdirectories), 1);
    EXPECT_EQ(Checked(res::kVerbose), 0);
    EXPECT_EQ(Checked(res::kStepExecution), 0);
    EXPECT_EQ(Text(res::kFileAction), "dir");
    EXPECT_EQ(Text(res::kResults), "C:\\TEMP\\zltoutputs.txt");
    EXPECT_EQ(Text(res::kBatch), "C:\\TEMP\\zltbatch.bat");
    EXPECT_EQ(Text(res::kStatus),
              "Please enter a value for the 'Name/Pattern:' field to do a search.  All other fields are "
              "defaulted/optional.");
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == dialog->Control(res::kPattern) || focus->parentWidget() == dialog->Control(res::kPattern));
  }

  EnvironmentGuard env;
  std::unique_ptr<FakeDrives> drives;
  std::unique_ptr<SearchDialog> dialog;
};

TEST_F(SearchDialogTest, ControlsStandWhereTheTemplateSaysInTabOrder) {
  SearchDialog& d = Open();
  EXPECT_EQ(d.windowTitle(), "ZALTOR File Utility V3.2.1");
  const win::DialogTemplate& form = *res::FindDialogTemplate(res::kMainDialog);
  const win::BaseUnits& units = d.Units();
  EXPECT_GT(units.x, 0);
  EXPECT_GT(units.y, 0);
  EXPECT_EQ(d.size(), win::DialogUnitsToPixels(units, 0, 0, 312, 297).size());
  std::vector<QWidget*> tabStops;
  for (int i = 0; i < form.controlCount; ++i) {
    const win::ControlTemplate& row = form.controls[i];
    if (row.id == win::kNoId) continue;
    QWidget* widget = d.Control(row.id);
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
    EXPECT_EQ(d.Control(id)->focusPolicy(), Qt::ClickFocus) << id;
  }
  EXPECT_EQ(d.Control(res::kDateAfter)->focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(static_cast<QPushButton*>(d.Control(res::kGo))->isDefault());
  EXPECT_EQ(Text(res::kReset), "Re&set");
  EXPECT_EQ(Text(res::kIdCancel), "E&xit");
  EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(SearchDialogTest, StartShowsEveryDefaultThePresetsAndAnEmptyWordsList) {
  SearchDialog& d = Open();
  ExpectDefaults();
  win::ComboBox* pattern = d.Combo(res::kPattern);
  EXPECT_EQ(Items(pattern), (std::vector<std::string>{"Audio(*.wav)", "Document(*.doc)", "Image(*.gif)",
                                                      "Image(*.jpg)", "Movie(*.mpeg)", "Music(*.mp3)",
                                                      "Presentation(*.ppt)", "Spreadsheet(*.xls)",
                                                      "Text(*.txt)", "Video(*.avi)"}));
  EXPECT_EQ(pattern->GetCurSel(), win::kComboError);
  EXPECT_EQ(pattern->maxVisibleItems(), 7);
  EXPECT_EQ(pattern->lineEdit()->maxLength(), 260);
  EXPECT_EQ(d.Combo(res::kWords)->GetCount(), 0);
  EXPECT_EQ(d.Combo(res::kWords)->maxVisibleItems(), 5);
  EXPECT_EQ(d.Combo(res::kDrives)->maxVisibleItems(), 10);
  EXPECT_FALSE(d.Combo(res::kDrives)->isEditable());
  EXPECT_TRUE(static_cast<QLabel*>(d.Control(res::kStatus))->wordWrap());
}

TEST_F(SearchDialogTest, ResetRestoresTheDefaultsButKeepsDriveAndHistories) {
  SearchDialog& d = Open();
  d.Combo(res::kDrives)->SetCurSel(1);
  d.Combo(res::kWords)->InsertString(0, "remembered");
  for (int id : {res::kPattern, res::kWords, res::kDate, res::kTime, res::kSize, res::kFileAction,
                 res::kDirectoryAction, res::kResults, res::kBatch, res::kEnvironment}) {
    d.SetDlgItemText(id, "changed");
  }
  d.CheckRadioButton(res::kDateOn, res::kDateRange, res::kDateRange);
  d.CheckRadioButton(res::kTimeAt, res::kTimeRange, res::kTimeBefore);
  d.CheckRadioButton(res::kSizeEqual, res::kSizeRange, res::kSizeLessEqual);
  d.CheckRadioButton(res::kAnd, res::kOr, res::kAnd);
  for (int id = res::kArchive; id <= res::kSubdir; ++id) d.CheckDlgButton(id, 0);
  d.CheckDlgButton(res::kSubdirectories, 0);
  d.CheckDlgButton(res::kVerbose, 1);
  d.CheckDlgButton(res::kStepExecution, 1);
  d.SetStatusText("something else");
  d.FocusControl(res::kEnvironment);

  QTest::mouseClick(d.Control(res::kReset), Qt::LeftButton);
  ExpectDefaults();
  EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 1);
  EXPECT_EQ(Items(d.Combo(res::kWords)), std::vector<std::string>{"remembered"});
  EXPECT_EQ(d.Combo(res::kPattern)->GetCount(), 10);
}

TEST_F(SearchDialogTest, DriveListForTheDriveSets) {
  {
    SearchDialog& d = Open(kThreeDrives);
    EXPECT_EQ(Items(d.Combo(res::kDrives)),
              (std::vector<std::string>{"All", "D:\\(CDROM)", "C:\\(FIXED)", "A:\\(REMOVABLE)"}));
    EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 2);
    EXPECT_EQ(d.Combo(res::kDrives)->currentText(), "C:\\(FIXED)");
  }
  {
    SearchDialog& d = Open({{'A', kDriveRemovable}});
    EXPECT_EQ(Items(d.Combo(res::kDrives)), (std::vector<std::string>{"A:\\(REMOVABLE)", "All"}));
    EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 0);
  }
  {
    // Unknown types and drives without a root are left out; every known tag.
    SearchDialog& d = Open({{'B', kDriveUnknown},
                            {'C', kDriveFixed},
                            {'E', kDriveNoRootDir},
                            {'N', kDriveRemote},
                            {'R', kDriveRamDisk},
                            {'Z', 9}});
    EXPECT_EQ(Items(d.Combo(res::kDrives)),
              (std::vector<std::string>{"All", "R:\\(RAM)", "N:\\(NETWORK)", "C:\\(FIXED)"}));
    EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 3);
  }
  {
    // Two drives, A: second from the top: the lower midpoint puts All last.
    SearchDialog& d = Open({{'A', kDriveRemovable}, {'D', kDriveCdrom}});
    EXPECT_EQ(Items(d.Combo(res::kDrives)),
              (std::vector<std::string>{"D:\\(CDROM)", "A:\\(REMOVABLE)", "All"}));
    EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 0);
  }
  {
    SearchDialog& d = Open({});
    EXPECT_EQ(Items(d.Combo(res::kDrives)), std::vector<std::string>{"All"});
    EXPECT_EQ(d.Combo(res::kDrives)->GetCurSel(), 0);
  }
}

TEST_F(SearchDialogTest, TooltipsComeFromTheStringTableEvenOnDisabledControls) {
  SearchDialog& d = Open();
  EXPECT_EQ(d.Control(res::kIdCancel)->toolTip(), "Exit ZALTOR.");
  EXPECT_EQ(d.Control(res::kDrives)->toolTip(), "Choose a drive or all drives to search.  Default is C:\\ drive.");
  EXPECT_EQ(d.Control(res::kCommandHelp)->toolTip(), "Online help for all search criteria and examples!");
  const win::DialogTemplate& form = *res::FindDialogTemplate(res::kMainDialog);
  int withTips = 0;
  for (int i = 0; i < form.controlCount; ++i) {
    const int id = form.controls[i].id;
    if (id == win::kNoId) continue;
    const char* entry = res::LoadResourceString(id);
    EXPECT_EQ(d.Control(id)->toolTip().toStdString(), entry != nullptr ? entry : "") << id;
    withTips += entry != nullptr ? 1 : 0;
  }
  EXPECT_EQ(withTips, 44);
  for (int id : {res::kPatternLabel, res::kWordsLabel, res::kStatus, res::kEnvironmentLabel}) {
    EXPECT_TRUE(d.Control(id)->toolTip().isEmpty()) << id;
  }

  // A disabled control still shows its tooltip when the pointer rests on it.
  QWidget* results = d.Control(res::kViewResults);
  d.EnableDlgItem(res::kViewResults, false);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), results->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(results, &help);
  EXPECT_EQ(QToolTip::text(), "View last search results.");
  QToolTip::hideText();
}

TEST_F(SearchDialogTest, AboutEntryEndsTheMenuAndOpensWhatTheApplicationGives) {
  SearchDialog& d = Open();
  const auto& menu = d.SystemMenu();
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].command, 0);
  EXPECT_EQ(menu[1].command, 16);
  EXPECT_EQ(menu[1].text, "&About ZALTOR32...");
  int opened = 0;
  d.aboutCommand = [&opened] { ++opened; };
  d.OnSysCommand(0x0010 | 0x3, 0);  // the low four bits are the platform's
  d.OnSysCommand(0x0020, 0);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(d.isVisible());
}

TEST_F(SearchDialogTest, EscEndsTheDialogAndEnterInATextFieldPressesGo) {
  ScriptedBoxes boxes;
  SearchDialog& d = Open();
  bool pressed = false;
  QObject::connect(static_cast<QPushButton*>(d.Control(res::kGo)), &QPushButton::clicked,
                   [&pressed] { pressed = true; });
  d.FocusControl(res::kDate);
  QTest::keyClick(d.Control(res::kDate), Qt::Key_Return);
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(testing::ServeUntil([&d] { return !d.WorkerActive(); }));
  // The pattern is empty, so Go refuses to run.
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, "File name/pattern is required, at the least, to run!");

  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), 2);
}

TEST_F(SearchDialogTest, HelpButtonAndF1GiveTheMainDialogsTopic) {
  std::vector<unsigned long> contexts;
  win::DialogWindow::SetHelpHandler([&contexts](unsigned long context) { contexts.push_back(context); });
  SearchDialog& d = Open();
  EXPECT_FALSE(d.Control(res::kCommandHelp)->isHidden());
  QTest::mouseClick(d.Control(res::kCommandHelp), Qt::LeftButton);
  QTest::keyClick(d.Control(res::kPattern), Qt::Key_F1);
  QTest::keyClick(d.Control(res::kPattern), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(contexts, (std::vector<unsigned long>{0x20066, 0x20066}));
  win::DialogWindow::SetHelpHandler({});

  // Without a handler of the help command the Help button is not shown.
  SearchDialog& other = Open();
  EXPECT_TRUE(other.Control(res::kCommandHelp)->isHidden());
}

TEST_F(SearchDialogTest, IconIsTheWindowsIconInBothSizes) {
  SearchDialog& d = Open();
  const QList<QSize> sizes = d.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_EQ(d.OnQueryDragIcon().cacheKey(), d.LargeIcon().cacheKey());
  const QImage big = d.OnQueryDragIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(big.pixel(0, 0) >> 24, 0u);             // transparent corner
  EXPECT_EQ(big.pixel(3, 1), 0xff000000u);          // the page's black edge
}

// A radio button that has had the focus does not take its group's tab stop:
// the template's stops hold for the dialog's whole life.
TEST_F(SearchDialogTest, TabStopsStayThoseOfTheTemplateAfterRadioButtonsHadTheFocus) {
  SearchDialog& d = Open();
  for (int id : {res::kDateAfter, res::kTimeRange, res::kSizeGreater, res::kAnd}) {
    QTest::mouseClick(d.Control(id), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), d.Control(id)) << id;
  }
  auto tabsFrom = [&d](int id, int count) {
    d.FocusControl(id);
    std::vector<int> reached;
    for (int i = 0; i < count; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached.push_back(d.ControlId(QApplication::focusWidget()));
    }
    return reached;
  };
  EXPECT_EQ(tabsFrom(res::kDate, 6), (std::vector<int>{res::kDateOn, res::kDateAfter, res::kDateBefore,
                                                       res::kDateRange, res::kTime, res::kTimeAt}));
  EXPECT_EQ(tabsFrom(res::kTimeBefore, 3), (std::vector<int>{res::kTimeRange, res::kSize, res::kSubdirectories}));
  EXPECT_EQ(tabsFrom(res::kSystem, 1), (std::vector<int>{res::kGo}));
}

// Each frame stands at its template rectangle: its left line runs from the
// middle of the caption's height to the bottom, with nothing above it, so
// the caption sits on the top line and the first row of controls is inside.
TEST_F(SearchDialogTest, GroupBoxesAreFramedAtTheirRectangleWithTheCaptionOnTheTopLine) {
  SearchDialog& d = Open();
  const QImage shot = d.grab().toImage();
  const QRgb background = d.palette().color(QPalette::Window).rgb();
  const QList<QGroupBox*> frames = d.findChildren<QGroupBox*>();
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
