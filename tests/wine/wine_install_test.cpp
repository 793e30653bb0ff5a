// The Windows packages as a user meets them, under Wine in a prefix of their
// own: the x64 installer puts the programs and the help file side by side,
// a Start-menu shortcut and an entry in the list of installed programs with
// the program's icon; the installed programs run; it replaces an earlier
// version, and its removal leaves nothing behind. The x86 installer, whose
// programs this host cannot run, installs and goes again. Each zip holds the
// files of its installer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_tree.h"
#include "wine/wine_support.h"
#include "zaltor/version.h"

namespace zaltor::testing {
namespace {

constexpr char kTitle[] = "ZALTOR File Utility V" ZALTOR_VERSION;
constexpr char kProductName[] = "ZALTOR File Utility";

std::string Package(const std::string& architecture, const std::string& extension) {
  const char* named = std::getenv("ZALTOR_WINDOWS_PACKAGES");
  return std::string(named != nullptr ? named : ZALTOR_WINDOWS_PACKAGES_PATH) + "/zaltor-" ZALTOR_VERSION "-" +
         architecture + extension;
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// What file(1) makes of the file.
std::string FileType(const std::filesystem::path& path) { return Output("file -b " + ShellQuote(path.string())); }

// The text as UTF-16 little endian, as shortcuts keep their paths.
std::string Utf16(const std::string& text) {
  std::string wide;
  for (char c : text) wide += std::string{c, '\0'};
  return wide;
}

// The keys of a registry listing, each with its values, whose text holds part.
std::vector<std::string> KeysHolding(const std::string& listing, const std::string& part) {
  std::vector<std::string> keys;
  std::istringstream lines(listing);
  std::string key;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("HKEY_", 0) == 0) {
      if (key.find(part) != std::string::npos) keys.push_back(key);
      key.clear();
    }
    key += line + "\n";
  }
  if (key.find(part) != std::string::npos) keys.push_back(key);
  return keys;
}

// A registry value's data as the listing of its key shows it.
std::string Value(const std::string& key, const std::string& name) {
  const std::string marker = "    " + name + "    REG_SZ    ";
  const std::size_t at = key.find(marker);
  if (at == std::string::npos) return {};
  const std::size_t start = at + marker.size();
  return key.substr(start, key.find('\n', start) - start);
}

class WineInstall : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::filesystem::exists(Package("x64", ".msi")) ||
        Shell("{ command -v wine && command -v Xvfb && command -v xdotool && command -v msibuild; } >/dev/null 2>&1") !=
            0) {
      return;
    }
    display = std::make_unique<VirtualDisplay>();
    home = std::make_unique<TempTree>();
    prefix = home->Path("prefix");
    Shell(Environment() + " wineboot -i >/dev/null 2>&1");
  }

  static void TearDownTestSuite() {
    // Gone before its prefix, the server cannot serve a new one given the same inode.
    if (!prefix.empty()) Shell(Environment() + " wineserver -k; " + Environment() + " wineserver -w");
    home.reset();
    display.reset();
    prefix.clear();
  }

  void SetUp() override {
    if (prefix.empty()) GTEST_SKIP() << "the Windows packages, wine, Xvfb, xdotool or msitools are missing";
    ASSERT_TRUE(Leftovers().empty()) << Leftovers();
  }

  // Wine's menu builder would copy every shortcut into this machine's own menus.
  static std::string Environment() {
    return "DISPLAY=" + display->name + " WINEPREFIX=" + ShellQuote(prefix) +
           " WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d";
  }
  static int Wine(const std::string& arguments) {
    return Shell(Environment() + " timeout 120 wine " + arguments + " </dev/null >/dev/null 2>&1");
  }
  static std::string Registry(const std::string& key) {
    std::string listing = Output(Environment() + " wine reg query '" + key + "' /s 2>/dev/null");
    std::erase(listing, '\r');
    return listing;
  }
  // The list of installed programs, of both registry views: a 32-bit
  // package's entry is in the 32-bit one.
  static std::string Uninstall() {
    return Registry("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall") +
           Registry("HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
  }

  // The program's entries in the list of installed programs and in the
  // installer's own register, and every file and folder of the prefix that
  // bears the program's name.
  static std::string Leftovers() {
    std::string found;
    for (const std::string& key : KeysHolding(Uninstall(), kProductName)) found += key;
    for (const std::string& key : KeysHolding(Registry("HKLM\\Software\\Classes\\Installer\\Products"), kProductName)) {
      found += key;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(prefix + "/drive_c")) {
      std::string name = entry.path().filename().string();
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (name.find("zaltor") != std::string::npos) found += entry.path().string() + "\n";
    }
    return found;
  }
  // The path of the shortcut under the Start menu's programs, or empty.
  static std::string Shortcut() {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(prefix + "/drive_c")) {
      const std::string path = entry.path().string();
      if (entry.path().filename() == "ZALTOR File Utility.lnk" &&
          path.find("/Start Menu/Programs/") != std::string::npos) {
        return path;
      }
    }
    return {};
  }

  static std::unique_ptr<VirtualDisplay> display;
  static std::unique_ptr<TempTree> home;
  static std::string prefix;
};

std::unique_ptr<VirtualDisplay> WineInstall::display;
std::unique_ptr<TempTree> WineInstall::home;
std::string WineInstall::prefix;

TEST_F(WineInstall, X64PackageInstallsRunsReplacesAnEarlierVersionAndUninstallsWithoutATrace) {
  const std::string package = Package("x64", ".msi");
  // An earlier version: the same package under another version, product and
  // package code, which the current one must find by its upgrade code and
  // remove.
  const std::string earlier = home->Path("earlier.msi");
  std::filesystem::copy_file(package, earlier);
  const std::string edit = "msibuild " + ShellQuote(earlier);
  ASSERT_EQ(Shell(edit + " -s 'Installation Database' 'the ZALTOR maintainers' 'x64;1033' "
                         "'{11111111-2222-3333-4444-555555555555}' && " +
                  edit + " -q \"UPDATE Property SET Value='0.1.0' WHERE Property='ProductVersion'\" && " + edit +
                  " -q \"UPDATE Property SET Value='{22222222-3333-4444-5555-666666666666}' WHERE "
                  "Property='ProductCode'\""),
            0);
  ASSERT_EQ(Wine("msiexec /i " + ShellQuote(earlier) + " /qn"), 0);
  std::vector<std::string> entries = KeysHolding(Uninstall(), kProductName);
  ASSERT_EQ(entries.size(), 1u) << Uninstall();
  ASSERT_EQ(Value(entries[0], "DisplayVersion"), "0.1.0");

  ASSERT_EQ(Wine("msiexec /i " + ShellQuote(package) + " /qn"), 0);
  entries = KeysHolding(Uninstall(), kProductName);
  ASSERT_EQ(entries.size(), 1u) << Uninstall();
  EXPECT_EQ(Value(entries[0], "DisplayVersion"), ZALTOR_VERSION) << entries[0];
  EXPECT_EQ(Value(entries[0], "Publisher"), "the ZALTOR maintainers");
  EXPECT_EQ(Value(entries[0], "DisplayIcon"), "C:\\Program Files\\ZALTOR\\zaltor.exe,0");

  const std::filesystem::path installed = prefix + "/drive_c/Program Files/ZALTOR";
  EXPECT_EQ(FileType(installed / "zaltor.exe").rfind("PE32+ executable (GUI) x86-64", 0), 0u);
  EXPECT_EQ(FileType(installed / "zaltor-cli.exe").rfind("PE32+ executable (console) x86-64", 0), 0u);
  EXPECT_EQ(FileType(installed / "zaltor.chm"), "MS Windows HtmlHelp Data\n");

  // The list of installed programs shows the icon the installer keeps; the
  // shortcut shows the same.
  const std::vector<std::string> products =
      KeysHolding(Registry("HKLM\\Software\\Classes\\Installer\\Products"), kProductName);
  ASSERT_EQ(products.size(), 1u);
  const std::string icon = Value(products[0], "ProductIcon");
  ASSERT_EQ(icon.rfind("C:\\windows\\Installer\\", 0), 0u) << products[0];
  std::string iconPath = prefix + "/drive_c/" + icon.substr(3);
  std::replace(iconPath.begin(), iconPath.end(), '\\', '/');
  EXPECT_EQ(FileType(iconPath).rfind("MS Windows icon resource - 2 icons, 32x32", 0), 0u) << FileType(iconPath);
  const std::string shortcut = Shortcut();
  ASSERT_FALSE(shortcut.empty()) << "no shortcut in the Start menu";
  const std::string link = FileBytes(shortcut);
  EXPECT_NE(link.find("C:\\Program Files\\ZALTOR\\zaltor.exe"), std::string::npos);
  EXPECT_NE(link.find(Utf16(icon)), std::string::npos);

  // The installed command line searches a drive linked to a tree.
  TempTree tree;
  tree.File("src/a.cpp", "TODO: tests\n");
  tree.File("src/b.cpp", "nothing\n");
  tree.File("src/sub/c d.cpp", "// todo\n");
  std::filesystem::create_directory_symlink(tree.root(), prefix + "/dosdevices/m:");
  EXPECT_EQ(Wine("'C:\\Program Files\\ZALTOR\\zaltor-cli.exe' /fp 'M:\\src\\*.cpp' /r /sp todo /of 'M:\\result.txt'"),
            0);
  std::filesystem::remove(prefix + "/dosdevices/m:");
  const std::string result = tree.Read("result.txt");
  EXPECT_EQ(result.substr(0, result.find("\r\n")), "Generated output file created by ZALTOR V" ZALTOR_VERSION
                                                   ".  Do NOT edit!");
  const std::size_t created = result.find("Created on ");
  ASSERT_NE(created, std::string::npos) << result;
  EXPECT_EQ(result.substr(result.find("\r\n", created) + 2),
            "\r\nM:\\src\\a.cpp\r\n\"M:\\src\\sub\\c d.cpp\"\r\n\r\n"
            "A total of 2 files found based on criteria specified.\r\n"
            "A total of 2 directories searched/visited.\r\n");

  // The shortcut starts the installed dialog program; Esc ends it.
  auto windows = [] {
    return Output("DISPLAY=" + display->name + " xdotool search --onlyvisible --name '^" + kTitle + "$' 2>/dev/null");
  };
  ASSERT_EQ(Wine("start /unix " + ShellQuote(shortcut)), 0);
  ASSERT_TRUE(WaitFor([&] { return !windows().empty(); }, std::chrono::seconds(60)))
      << "the shortcut opened no window titled " << kTitle;
  const std::string window = windows().substr(0, windows().find('\n'));
  Shell("DISPLAY=" + display->name + " xdotool mousemove --window " + window + " 60 12 click 1 sleep 0.5 key Escape");
  EXPECT_TRUE(WaitFor([&] { return windows().empty(); }, std::chrono::seconds(30))) << "Esc did not end the program";

  ASSERT_EQ(Wine("msiexec /x " + ShellQuote(package) + " /qn"), 0);
  EXPECT_EQ(Leftovers(), "");
}

// This host runs no 32-bit program, nor does the installer run any of the
// package's: its files go into the 32-bit Program Files and go again.
TEST_F(WineInstall, X86PackageInstallsItsIntelProgramsAndUninstallsWithoutATrace) {
  const std::string package = Package("x86", ".msi");
  ASSERT_EQ(Wine("msiexec /i " + ShellQuote(package) + " /qn"), 0);
  const std::filesystem::path installed = prefix + "/drive_c/Program Files (x86)/ZALTOR";
  EXPECT_EQ(FileType(installed / "zaltor.exe").rfind("PE32 executable (GUI) Intel 80386", 0), 0u);
  EXPECT_EQ(FileType(installed / "zaltor-cli.exe").rfind("PE32 executable (console) Intel 80386", 0), 0u);
  EXPECT_TRUE(std::filesystem::exists(installed / "zaltor.chm"));
  EXPECT_EQ(KeysHolding(Uninstall(), kProductName).size(), 1u);
  EXPECT_FALSE(Shortcut().empty());
  ASSERT_EQ(Wine("msiexec /x " + ShellQuote(package) + " /qn"), 0);
  EXPECT_EQ(Leftovers(), "");
}

// Wine has no part in this one.
TEST(WindowsZip, EachHoldsTheFilesOfItsInstallerInAFolderOfItsName) {
  if (!std::filesystem::exists(Package("x64", ".zip")) || Shell("command -v msiextract >/dev/null") != 0) {
    GTEST_SKIP() << "the Windows packages or msitools are missing";
  }
  for (const std::string architecture : {"x64", "x86"}) {
    TempTree unpacked;
    ASSERT_EQ(Shell("cd " + ShellQuote(unpacked.Path("")) + " && mkdir msi && cmake -E tar xf " +
                    ShellQuote(Package(architecture, ".zip")) + " && msiextract -C msi " +
                    ShellQuote(Package(architecture, ".msi")) + " >/dev/null"),
              0);
    const std::filesystem::path folder = unpacked.Path("zaltor-" ZALTOR_VERSION "-" + architecture);
    // Where msiextract puts the installer's ZALTOR folder depends on the
    // Program Files it goes into.
    const std::filesystem::path packed =
        Output("find " + ShellQuote(unpacked.Path("msi")) + " -name ZALTOR -type d -printf %p");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"zaltor-cli.exe", "zaltor.chm", "zaltor.exe"})) << architecture;
    for (const std::string& name : names) {
      const std::string files = ShellQuote((folder / name).string()) + " " + ShellQuote((packed / name).string());
      EXPECT_EQ(Shell("cmp -s " + files), 0) << name;
    }
  }
}

}  // namespace
}  // namespace zaltor::testing
