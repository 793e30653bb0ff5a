// Help: one viewer, reused at each topic while it runs, closed at the end
// only if it still runs.
#include "dialog/window/help.h"
#include "dialog/window/qt/help_viewer.h"

#include <QScrollBar>
#include <QtTest/QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"
#include "support/temp_tree.h"

namespace zaltor::win {
namespace {

// The help viewers this process started that still run.
std::vector<pid_t> RunningViewers() {
  std::vector<pid_t> found;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream file(entry.path() / "stat");
    std::string line;
    if (!std::getline(file, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos || line.find("(zaltor-help)") == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    long parent = 0;
    rest >> state >> parent;
    if (parent == getpid() && state != 'Z') found.push_back(std::stoi(entry.path().filename()));
  }
  return found;
}

TEST(HelpTest, OneViewerIsReusedWhileItRunsAndClosedOnlyThen) {
  zaltor::testing::TempTree tree;
  tree.File("z.HLP", "<html><body><a name=\"20066\"></a>help</body></html>");
  const std::string file = tree.Path("z.HLP");
  auto viewersAre = [](std::size_t count) {
    return zaltor::testing::ServeUntil([count] { return RunningViewers().size() == count; });
  };
  ASSERT_TRUE(WinHelp(file, kHelpContext, 0x20066));
  ASSERT_TRUE(viewersAre(1));
  const pid_t first = RunningViewers().front();
  ASSERT_TRUE(WinHelp(file, kHelpContext, 0x20066));
  usleep(300000);
  EXPECT_EQ(RunningViewers(), std::vector<pid_t>{first});

  // Once the user has closed it, the next request opens a new one.
  kill(first, SIGTERM);
  waitpid(first, nullptr, 0);
  ASSERT_TRUE(WinHelp(file, kHelpContext, 0x20066));
  ASSERT_TRUE(viewersAre(1));
  const pid_t second = RunningViewers().front();
  EXPECT_NE(second, first);

  ASSERT_TRUE(WinHelp(std::string(), kHelpQuit, 0));
  EXPECT_TRUE(viewersAre(0));
  waitpid(second, nullptr, 0);
  // Nothing runs any more: quitting again touches nothing.
  EXPECT_TRUE(WinHelp(std::string(), kHelpQuit, 0));
}

TEST(HelpTest, ViewerComesToTheFrontAtEachTopicAndClosesAtTheEndOfItsInput) {
  zaltor::testing::TempTree tree;
  std::string page = "<html><body><a name=\"20066\"></a><p>top</p>";
  for (int i = 0; i < 300; ++i) page += "<p>line</p>";
  tree.File("z.HLP", page + "<a name=\"abc\"></a><p>end</p></body></html>");
  HelpViewer viewer;
  ASSERT_TRUE(viewer.Open(tree.Path("z.HLP"), 0x20066));
  viewer.showMinimized();
  int ends[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
  viewer.Follow(ends[1]);
  const int atTop = viewer.verticalScrollBar()->value();
  // A topic may arrive in pieces.
  ASSERT_EQ(write(ends[0], "ab", 2), 2);
  ASSERT_EQ(write(ends[0], "c\n", 2), 2);
  EXPECT_TRUE(zaltor::testing::ServeUntil([&] { return viewer.verticalScrollBar()->value() > atTop + 100; }));
  EXPECT_FALSE(viewer.isMinimized());
  close(ends[0]);
  EXPECT_TRUE(zaltor::testing::ServeUntil([&viewer] { return !viewer.isVisible(); }));
}

TEST(HelpTest, EscAndCtrlWCloseTheViewer) {
  for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::CTRL, Qt::Key_W)}) {
    HelpViewer viewer;
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, keys.key(), keys.keyboardModifiers());
    EXPECT_FALSE(viewer.isVisible()) << keys.toCombined();
  }
}

}  // namespace
}  // namespace zaltor::win
