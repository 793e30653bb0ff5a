// The Windows build of the dialog program under Wine, on a virtual X
// display, driven as a person would with xdotool: the window appears under
// its title, the window menu's last entry opens the About box, Browse opens
// Save As, F1 opens the platform's help viewer at the dialog's topic, a
// missing help file is reported, a typed pattern and Enter
// search a drive linked onto a tree, the editor is started on the batch and
// the result file, a drive that is not there gets its message box, Stop ends
// a long search with the abort text, and Esc ends the program, also in the
// middle of a long search. What xdotool cannot read, the texts of controls,
// a small Windows program beside zaltor.exe prints.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "support/cli_run.h"
#include "support/temp_tree.h"
#include "wine/wine_support.h"

namespace zaltor::testing {
namespace {

constexpr char kTitle[] = "ZALTOR File Utility V3.2.1";
constexpr char kHelpTitle[] = "ZALTOR File Utility Help";
constexpr char kAbortText[] =
    "Search aborted due to error(s)/interruption! Please make necessary corrections.";
constexpr int kStatusLine = 1048;
// The text of a message box's message.
constexpr int kBoxText = 0xffff;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The line after the first line that holds marker; empty if there is none.
std::string LineAfter(const std::string& text, const std::string& marker) {
  const std::size_t found = text.find(marker);
  if (found == std::string::npos) return {};
  const std::size_t start = text.find('\n', found);
  if (start == std::string::npos) return {};
  return text.substr(start + 1, text.find('\n', start + 1) - start - 1);
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// Starts the shell command in a process group of its own; its process id.
pid_t Start(const std::string& command) {
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return child;
}

class WineDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* named = std::getenv("ZALTOR_WINDOWS_DIALOG");
    const std::filesystem::path built = named != nullptr ? named : ZALTOR_WINDOWS_DIALOG_PATH;
    controlText = (built.parent_path() / "zaltor_control_text.exe").string();
    if (!std::filesystem::exists(built) || !std::filesystem::exists(controlText) ||
        std::system("{ command -v wine && command -v Xvfb && command -v xdotool; } >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "the Windows zaltor.exe or zaltor_control_text.exe, wine, Xvfb or xdotool is missing";
    }
    // A display nobody uses, serving before Wine starts.
    for (int number = 90; number < 200 && display.empty(); ++number) {
      if (!std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) display = ":" + std::to_string(number);
    }
    server = Start("exec Xvfb " + display + " -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1");
    ASSERT_TRUE(WaitFor([&] { return !Xdotool("getdisplaygeometry").empty(); }, std::chrono::seconds(20)));
    prefix = home.Path("prefix");
    // The program runs from a folder of its own with its help file beside
    // it, as installed, so that a test can take the help file away.
    exe = home.Path("program/zaltor.exe");
    std::filesystem::create_directories(home.Path("program"));
    std::filesystem::copy_file(built, exe);
    std::filesystem::copy_file(built.parent_path() / "zaltor.chm", home.Path("program/zaltor.chm"));
    std::system((Environment() + " wineboot -i >/dev/null 2>&1; " + Environment() + " wineserver -w").c_str());
    drive.File("found.txt", "needle");
    drive.File("other.dat", "nothing");
    // The editor records each start in a file named for the file it opens.
    drive.File("rec.bat", "@copy nul T:\\started-%~n1.txt >nul\r\n");
    std::filesystem::create_directory_symlink(drive.root(), prefix + "/dosdevices/t:");
  }

  void TearDown() override {
    EndProgram();
    if (server > 0) {
      kill(-server, SIGTERM);
      waitpid(server, nullptr, 0);
    }
  }

  // Ends the program and the prefix's server: gone before its prefix, the
  // server cannot serve a new one given the same inode.
  void EndProgram() {
    if (program > 0) {
      kill(-program, SIGKILL);
      waitpid(program, nullptr, 0);
      program = -1;
    }
    if (!prefix.empty()) std::system((Environment() + " wineserver -k; " + Environment() + " wineserver -w").c_str());
  }
  std::string Environment() const {
    return "DISPLAY=" + display + " WINEPREFIX=" + ShellQuote(prefix) + " WINEDEBUG=-all";
  }
  std::string Xdotool(const std::string& arguments) const {
    return Output("DISPLAY=" + display + " xdotool " + arguments + " 2>/dev/null");
  }
  // The first visible window of that title, waiting up to limit; empty if none.
  std::string WindowTitled(const std::string& title, std::chrono::seconds limit) const {
    std::string window;
    WaitFor(
        [&] {
          window = Xdotool("search --onlyvisible --name '^" + title + "$'");
          return !window.empty();
        },
        limit);
    return window.substr(0, window.find('\n'));
  }
  // Starts zaltor.exe with the assignments before it; its window, or empty.
  // What Wine reports goes to the file wine.log. Now and then Wine's first
  // start in a new prefix never shows a window: a second start gets its
  // chance.
  std::string StartProgram(const std::string& assignments) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (attempt > 0) EndProgram();
      program = Start("exec env " + Environment() + " " + assignments + " wine " + ShellQuote(exe) + " >/dev/null 2>" +
                      ShellQuote(home.Path("wine.log")));
      const std::string window = WindowTitled(kTitle, std::chrono::seconds(60));
      if (!window.empty()) return window;
      std::printf("no window a minute after start %d\n", attempt + 1);
    }
    return {};
  }
  // A click on the window's frame gives it the display's focus.
  void Focus(const std::string& window) const { Xdotool("mousemove --window " + window + " 60 12 click 1"); }
  // A click into the main dialog's pattern field, found from its place in
  // the template (63, 18 in a dialog of 312 by 297 units), gives that field
  // the focus, wherever the dialog's own focus was.
  void ClickPattern(const std::string& window) const { ClickAt(window, 63, 18); }
  // A click ten units right of and six below a place in the main dialog's
  // template, scaled to the window's size in pixels.
  void ClickAt(const std::string& window, int x, int y) const {
    std::istringstream geometry(Xdotool("getwindowgeometry --shell " + window));
    int width = 0;
    int height = 0;
    for (std::string line; std::getline(geometry, line);) {
      if (line.rfind("WIDTH=", 0) == 0) width = std::atoi(line.c_str() + 6);
      if (line.rfind("HEIGHT=", 0) == 0) height = std::atoi(line.c_str() + 7);
    }
    Xdotool("mousemove --window " + window + " " + std::to_string(width * (x + 10) / 312) + " " +
            std::to_string(height * (y + 6) / 297) + " click 1");
  }
  // The texts of control id in the windows titled title, a line each.
  std::string ControlTexts(const std::string& title, int id) const {
    std::string lines = Output(Environment() + " wine " + ShellQuote(controlText) + " " + ShellQuote(title) + " " +
                               std::to_string(id) + " 2>/dev/null");
    std::erase(lines, '\r');
    return lines;
  }
  bool WaitForControlText(const std::string& title, int id, const std::string& text,
                          std::chrono::seconds limit) const {
    return WaitFor([&] { return ControlTexts(title, id).find(text + "\n") != std::string::npos; }, limit);
  }
  // The program ends by itself within limit, with exit code 0.
  void ExpectCleanExit(std::chrono::seconds limit) {
    int status = -1;
    EXPECT_TRUE(WaitFor([&] { return waitpid(program, &status, WNOHANG) == program; }, limit))
        << "Esc did not end the program";
    if (WIFEXITED(status)) program = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  // The directory Wine's TEMP names, where the default result files go.
  std::string TempDirectory() const {
    for (const auto& user : std::filesystem::directory_iterator(prefix + "/drive_c/users")) {
      if (std::filesystem::exists(user.path() / "Temp")) return (user.path() / "Temp").string();
    }
    return std::string();
  }

  std::string exe;
  std::string controlText;
  std::string display;
  pid_t server = -1;
  pid_t program = -1;
  TempTree home;
  TempTree drive;
  std::string prefix;
};

TEST_F(WineDialog, AboutSaveAsAndHelpOpenASearchStartsTheEditorABadDriveIsReportedAndEscEnds) {
  const auto started = std::chrono::steady_clock::now();
  // Wine traces what its help viewer is asked and what it reads of the file.
  const std::string window =
      StartProgram("EDITOR='T:\\rec.bat' WINEPATH='T:\\' WINEDEBUG=-all,trace+htmlhelp,trace+itss");
  ASSERT_FALSE(window.empty()) << "no window titled " << kTitle;

  // Alt+Space opens the window menu; its last entry is About.
  Focus(window);
  Xdotool("key alt+space");
  Xdotool("key Up Return");
  const std::string about = WindowTitled("About ZALTOR32", std::chrono::seconds(20));
  ASSERT_FALSE(about.empty()) << "the window menu opened no About box";
  Focus(about);
  Xdotool("key Return");
  EXPECT_TRUE(WaitFor([&] { return WindowTitled("About ZALTOR32", std::chrono::seconds(0)).empty(); },
                      std::chrono::seconds(20)));

  ClickAt(window, 125, 210);  // Browse beside Results
  EXPECT_FALSE(WindowTitled("Output Text File", std::chrono::seconds(30)).empty()) << "Browse opened no Save As";
  Xdotool("key Escape");
  EXPECT_TRUE(WaitFor([&] { return WindowTitled("Output Text File", std::chrono::seconds(0)).empty(); },
                      std::chrono::seconds(20)));

  // F1 opens the help file beside the program in the platform's viewer at
  // the dialog's topic, the anchor named by its context on the help text's
  // page, which the viewer reads from the file. Wine has no engine to draw
  // the page here: the window, the topic asked for and the page read are
  // what can be seen.
  ClickPattern(window);
  Xdotool("key F1");
  const std::string help = WindowTitled(kHelpTitle, std::chrono::seconds(30));
  ASSERT_FALSE(help.empty()) << "F1 opened no help window";
  const std::string request = "zaltor.chm::/zaltor.htm#20066\", command=HH_DISPLAY_TOPIC";
  // The viewer reads the page after its window shows; on a busy host the
  // trace may not hold that yet.
  std::string trace;
  WaitFor(
      [&] {
        trace = FileText(home.Path("wine.log"));
        return LineAfter(trace, "Resolving L\"/zaltor.htm\"").find("ITSS_create_stream") != std::string::npos;
      },
      std::chrono::seconds(20));
  EXPECT_NE(trace.find(request), std::string::npos) << trace;
  EXPECT_NE(LineAfter(trace, "Resolving L\"/zaltor.htm\"").find("ITSS_create_stream"), std::string::npos)
      << "the help file has no such page";
  // Help asked for again goes to the same window, moved out of the
  // dialog's way first (there is no window manager to raise the dialog).
  Xdotool("windowmove " + help + " 0 700");
  ClickPattern(window);
  Xdotool("key F1");
  EXPECT_TRUE(WaitFor([&] { return Count(FileText(home.Path("wine.log")), request) == 2; }, std::chrono::seconds(20)));
  EXPECT_EQ(Xdotool("search --onlyvisible --name '^" + std::string(kHelpTitle) + "$'"), help + "\n");
  // Without its help file the viewer cannot show the topic, which the
  // program reports.
  std::filesystem::remove(home.Path("program/zaltor.chm"));
  ClickPattern(window);
  Xdotool("key F1");
  EXPECT_TRUE(WaitForControlText("zaltor", kBoxText, "Failed to launch help.", std::chrono::seconds(20)))
      << ControlTexts("zaltor", kBoxText);
  Xdotool("key Return");

  ClickPattern(window);
  Xdotool("type --delay 50 't:*.txt'");
  Xdotool("key Return");
  const std::string temp = TempDirectory();
  ASSERT_FALSE(temp.empty());
  EXPECT_TRUE(WaitFor(
      [&] {
        return drive.Exists("started-zltbatch.txt") && drive.Exists("started-zltoutputs.txt");
      },
      std::chrono::seconds(60)))
      << "the editor was not started on both files";
  const std::string results = FileText(temp + "/zltoutputs.txt");
  EXPECT_NE(results.find(" Directory of \"t:\\\""), std::string::npos) << results;
  EXPECT_NE(results.find("found.txt"), std::string::npos) << results;
  EXPECT_EQ(results.find("other.dat"), std::string::npos) << results;

  // The editor's command interpreters take the display's focus while they
  // start; the click comes after they have gone.
  std::this_thread::sleep_for(std::chrono::seconds(3));

  // A drive the list does not hold: a box under the program's name, then
  // the abort text.
  ClickPattern(window);
  Xdotool("key End shift+Home");
  Xdotool("type --delay 50 'q:*.txt'");
  Xdotool("key Return");
  EXPECT_TRUE(WaitForControlText("zaltor", kBoxText, "Invalid drive typed in for name/pattern!",
                                 std::chrono::seconds(20)))
      << ControlTexts("zaltor", kBoxText);
  Xdotool("key Return");
  EXPECT_TRUE(WaitForControlText(kTitle, kStatusLine, kAbortText, std::chrono::seconds(20)))
      << ControlTexts(kTitle, kStatusLine);

  // The program closes the help window as it ends.
  ClickPattern(window);
  Xdotool("key Escape");
  ExpectCleanExit(std::chrono::seconds(30));
  trace = FileText(home.Path("wine.log"));
  EXPECT_NE(trace.find("command=HH_CLOSE_ALL"), std::string::npos);
  std::printf("[ figure ] zaltor.exe under Wine: %lld s from start to end\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(
                                         std::chrono::steady_clock::now() - started)
                                         .count()));
}

// Stop while the worker reads every file of a large tree ends the run with
// the abort text. Esc during the next run: the dialog stops the run,
// answers what the worker still asks, and ends once it has returned.
TEST_F(WineDialog, StopDuringAContentSearchShowsTheAbortTextAndEscDuringOneEndsTheProgram) {
  std::filesystem::create_directory_symlink("/usr/share", prefix + "/dosdevices/u:");
  const std::string window = StartProgram("");
  ASSERT_FALSE(window.empty()) << "no window titled " << kTitle;
  ClickPattern(window);
  Xdotool("type --delay 50 'u:*'");
  ClickAt(window, 83, 36);  // Words/Phrases/Hex
  Xdotool("type --delay 50 'no such words here'");
  Xdotool("key Return");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  ASSERT_NE(ControlTexts(kTitle, kStatusLine).find("Searching"), std::string::npos) << "no search runs";
  ClickAt(window, 251, 113);  // Stop
  EXPECT_TRUE(WaitForControlText(kTitle, kStatusLine, kAbortText, std::chrono::seconds(60)))
      << ControlTexts(kTitle, kStatusLine);

  // The focus is on Go, which Enter presses.
  Xdotool("key Return");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  int status = -1;
  ASSERT_NE(waitpid(program, &status, WNOHANG), program) << "the program ended by itself";
  ClickPattern(window);
  const auto pressed = std::chrono::steady_clock::now();
  Xdotool("key Escape");
  ExpectCleanExit(std::chrono::seconds(60));
  std::printf("[ figure ] zaltor.exe under Wine: ended %lld ms after Esc during a search\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - pressed)
                                         .count()));
}

}  // namespace
}  // namespace zaltor::testing
