#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "web/GoToLink.h"

namespace fs = std::filesystem;

namespace {

// A private folder for the files of one test, removed afterwards.
struct LinkFiles : testing::Test {
  fs::path Folder;

  void SetUp() override {
    Folder = fs::temp_directory_path() / ("morvel-links-" + std::to_string(::getpid()) + "-" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }

  std::string Write(const std::string& name, const std::string& text, bool executable = false) {
    const fs::path file = Folder / name;
    std::ofstream(file, std::ios::binary) << text;
    fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
    return file.string();
  }
};

TEST(ShortcutAddress, OnlyWebAndMailAddressesOfTheShortcutSection) {
  struct TCase {
    const char* Text;
    std::optional<std::string> Address;
  };
  const TCase cases[] = {
      {"[InternetShortcut]\nURL=http://www.example.com/\n", "http://www.example.com/"},
      {"[InternetShortcut]\nURL=https://www.example.com/a?b=c\n", "https://www.example.com/a?b=c"},
      {"[InternetShortcut]\nURL=mailto:team@example.com\n", "mailto:team@example.com"},
      {"[InternetShortcut]\r\nURL=https://example.com/x\r\n", "https://example.com/x"},
      {"\xEF\xBB\xBF[InternetShortcut]\nURL=https://example.com/\n", "https://example.com/"},
      {"[DEFAULT]\nBASEURL=http://a/\n[InternetShortcut]\nIconIndex=0\nURL=HTTPS://example.com/\n",
       "HTTPS://example.com/"},
      {"[internetshortcut]\n url = https://example.com/ \n", "https://example.com/"},
      {"[InternetShortcut]\nURL=https://first.example/\nURL=https://second.example/\n",
       "https://first.example/"},
      {"[InternetShortcut]\nURL=file:///etc/passwd\n", std::nullopt},
      {"[InternetShortcut]\nURL=javascript:alert(1)\n", std::nullopt},
      {"[InternetShortcut]\nURL=http://x; rm -rf ~\n", std::nullopt},
      {"[InternetShortcut]\nURL=$(touch /tmp/x)\n", std::nullopt},
      {"[InternetShortcut]\nURL=/usr/bin/xterm\n", std::nullopt},
      {"[InternetShortcut]\nURL=C:\\Windows\\notepad.exe\n", std::nullopt},
      {"[InternetShortcut]\nURL=-e http://a/\n", std::nullopt},
      {"[InternetShortcut]\nURL=http:\n", std::nullopt},
      {"[InternetShortcut]\nURL=http:///etc/passwd\n", std::nullopt},
      {"[InternetShortcut]\nURL=mailto:\n", std::nullopt},
      {"[InternetShortcut]\nURL=\n", std::nullopt},
      {"[InternetShortcut]\nURL=https://a/\x01x\n", std::nullopt},
      {"URL=https://www.example.com/\n", std::nullopt},
      {"[Other]\nURL=https://www.example.com/\n", std::nullopt},
      {"[InternetShortcut]\nIconFile=x\n[Other]\nURL=https://www.example.com/\n", std::nullopt},
      {"[InternetShortcut]\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(ShortcutAddress(c.Text), c.Address) << c.Text;
}

TEST_F(LinkFiles, PlainDocumentsOpenProgramsDoNot) {
  struct TCase {
    const char* Name;
    const char* Text;
    bool Executable;
    bool Opens;
  };
  const TCase cases[] = {
      {"readme.txt", "Thanks for playing\n", false, true},
      {"manual.html", "<html></html>", false, true},
      {"noextension", "plain words", false, true},
      {"tool",
       "\x7F"
       "ELF",
       true, false},
      {"notes.txt", "just text", true, false},
      {"game.desktop", "[Desktop Entry]\nExec=xterm\n", false, false},
      {"GAME.DESKTOP", "[Desktop Entry]\nExec=xterm\n", false, false},
      {"run.txt", "#!/bin/sh\nrm -rf ~\n", false, false},
      {"install.sh", "echo hi\n", false, false},
      {"setup.exe", "MZ", false, false},
  };
  for (const TCase& c : cases) {
    const std::string file = Write(c.Name, c.Text, c.Executable);
    const std::optional<std::string> target = LinkTarget(file);
    EXPECT_EQ(target.has_value(), c.Opens) << c.Name;
    if (target) {
      EXPECT_EQ(fs::path(*target), fs::absolute(file)) << c.Name;
    }
  }
}

TEST_F(LinkFiles, OpenLinkHandsTheTargetToXdgOpenAndIgnoresTheRest) {
  std::vector<std::vector<std::string>> launched;
  const TLauncher record = [&](const std::vector<std::string>& arguments) { launched.push_back(arguments); };
  OpenLink(Write("website.url", "[InternetShortcut]\nURL=https://www.example.com/\n"), record);
  OpenLink(Write("evil.url", "[InternetShortcut]\nURL=file:///bin/sh\n"), record);
  OpenLink(Write("script.url", "#!/bin/sh\n"), record);  // not a shortcut, and never a document
  OpenLink((Folder / "missing.url").string(), record);
  OpenLink(Folder.string(), record);  // a folder is not a document
  const std::string document = Write("readme.txt", "words");
  OpenLink(document, record);
  const std::vector<std::vector<std::string>> expected{{"xdg-open", "https://www.example.com/"},
                                                       {"xdg-open", fs::absolute(document).string()}};
  EXPECT_EQ(launched, expected);
}

TEST_F(LinkFiles, DetachedLaunchLeavesNoChildToReap) {
  const fs::path made = Folder / "made";
  LaunchDetached({"touch", made.string()});
  for (int tries = 0; tries < 1000 && !fs::exists(made); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(made));
  // The program ran in a grandchild that init adopted: this process has no child left, dead or alive.
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  LaunchDetached({"no-such-program-of-morvel-racing"});  // silent
  EXPECT_EQ(FindProgram("no-such-program-of-morvel-racing"), "");
}

}  // namespace
