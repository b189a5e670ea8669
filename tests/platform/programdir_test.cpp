// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programdir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(ProgramDir, IsTheDirectoryOfTheRunningExecutable) {
  platform::SetProgramDirOverride("");
  const std::string dir = platform::ProgramDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.front(), '/');
  EXPECT_NE(dir.back(), '/');
  EXPECT_TRUE(fs::exists(fs::path(dir) / "ini_test"));
  EXPECT_EQ(platform::ProgramFile("rovas.ini"), dir + "/rovas.ini");
}

TEST(ProgramDir, DoesNotFollowTheWorkingDirectory) {
  platform::SetProgramDirOverride("");
  const std::string before = platform::ProgramDir();
  const fs::path cwd = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  EXPECT_EQ(platform::ProgramDir(), before);
  fs::current_path(cwd);
}

TEST(ProgramDir, OverrideForTests) {
  platform::SetProgramDirOverride("/some/where/");
  EXPECT_EQ(platform::ProgramDir(), "/some/where");
  EXPECT_EQ(platform::ProgramFile("RovasSugo.pdf"), "/some/where/RovasSugo.pdf");
  platform::SetProgramDirOverride("/");
  EXPECT_EQ(platform::ProgramFile("RovasSugo.pdf"), "/RovasSugo.pdf");
  platform::SetProgramDirOverride("");
  EXPECT_NE(platform::ProgramDir(), "/");
}

// A fake program folder with XDG places of its own, all under one temporary folder.
class ProgramFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("programdir_test." + std::to_string(::getpid()) + "." +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "home");
    for (const char* var : kVars) {
      const char* v = std::getenv(var);
      saved_.emplace_back(var, v ? std::optional<std::string>(v) : std::nullopt);
    }
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    ::setenv("HOME", (root_ / "home").c_str(), 1);
  }
  void TearDown() override {
    for (const auto& [var, v] : saved_) v ? ::setenv(var, v->c_str(), 1) : ::unsetenv(var);
    platform::SetProgramDirOverride("");
    fs::permissions(root_ / "prefix" / "bin", fs::perms::owner_all, fs::perm_options::add,
                    ignored_);
    fs::remove_all(root_, ignored_);
  }
  // PREFIX/bin, with PREFIX/share/tollnok when `installed`.
  std::string Program(bool installed) {
    fs::create_directories(root_ / "prefix" / "bin");
    if (installed) fs::create_directories(root_ / "prefix" / "share" / "tollnok");
    platform::SetProgramDirOverride(root_ / "prefix" / "bin");
    return root_ / "prefix";
  }
  static void Write(const fs::path& p, const std::string& text) { std::ofstream(p) << text; }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static constexpr const char* kVars[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
  fs::path root_;
  std::error_code ignored_;
};

TEST_F(ProgramFiles, EachFileInItsPlace) {
  struct Row {
    const char* name;
    const char* portable;   // relative to root_
    const char* installed;  // relative to root_
  };
  const Row rows[] = {
      {"rovas.ini", "prefix/bin/rovas.ini", "config/tollnok/rovas.ini"},
      {"rovaskep.ini", "prefix/bin/rovaskep.ini", "config/tollnok/rovaskep.ini"},
      {"szo.xml", "prefix/bin/szo.xml", "data/tollnok/szo.xml"},
      {"szo.xml.tmp", "prefix/bin/szo.xml.tmp", "data/tollnok/szo.xml.tmp"},
      {"RovasSugo.pdf", "prefix/bin/RovasSugo.pdf", "prefix/share/tollnok/RovasSugo.pdf"},
      {"RovasFendra.exe", "prefix/bin/RovasFendra.exe", "prefix/share/tollnok/RovasFendra.exe"},
      {"fonts", "prefix/bin/fonts", "prefix/share/tollnok/fonts"},
  };
  Program(false);
  for (const Row& r : rows) EXPECT_EQ(platform::ProgramFile(r.name), root_ / r.portable);
  EXPECT_FALSE(fs::exists(root_ / "config") || fs::exists(root_ / "data"));
  Program(true);
  for (const Row& r : rows) EXPECT_EQ(platform::ProgramFile(r.name), root_ / r.installed);
  EXPECT_TRUE(fs::is_directory(root_ / "config" / "tollnok"));

  // Without XDG variables (or with relative ones, which are invalid): the home folder.
  ::setenv("XDG_CONFIG_HOME", "config", 1);
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::ProgramFile("rovas.ini"), root_ / "home/.config/tollnok/rovas.ini");
  EXPECT_EQ(platform::ProgramFile("szo.xml"), root_ / "home/.local/share/tollnok/szo.xml");
}

TEST_F(ProgramFiles, AFolderThatIsNotWritableUsesTheXdgPlaces) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes to every folder";
  const fs::path bin = fs::path(Program(false)) / "bin";
  fs::permissions(bin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(platform::ProgramFile("rovas.ini"), root_ / "config/tollnok/rovas.ini");
  EXPECT_EQ(platform::ProgramFile("RovasSugo.pdf"), bin / "RovasSugo.pdf");
}

TEST_F(ProgramFiles, AnExistingFileIsCopiedOnFirstUseAndNeverOverwritten) {
  const fs::path bin = fs::path(Program(true)) / "bin";
  Write(bin / "rovas.ini", "[Alap]\nLMeret=40\n");
  Write(bin / "szo.xml", "<szo mit=\"a\" mire=\"b\"/>\n");
  const fs::path ini = platform::ProgramFile("rovas.ini");
  EXPECT_EQ(Read(ini), "[Alap]\nLMeret=40\n");
  EXPECT_EQ(Read(platform::ProgramFile("szo.xml")), "<szo mit=\"a\" mire=\"b\"/>\n");
  EXPECT_FALSE(fs::exists(platform::ProgramFile("rovaskep.ini")));  // none to copy

  Write(ini, "[Alap]\nLMeret=12\n");  // the user's own change survives
  EXPECT_EQ(Read(platform::ProgramFile("rovas.ini")), "[Alap]\nLMeret=12\n");
  EXPECT_EQ(Read(bin / "rovas.ini"), "[Alap]\nLMeret=40\n");
  for (const auto& f : fs::directory_iterator(ini.parent_path()))  // no copy left half-way
    EXPECT_EQ(f.path().filename(), "rovas.ini");
}

// The installation's own list becomes the user's at first use; a reader that
// must not change anything (rovas-cli) gets the user's copy, else the bundled one.
TEST_F(ProgramFiles, TheBundledListIsTheFirstCopy) {
  const fs::path prefix = Program(true);
  Write(prefix / "share/tollnok/szo.xml", "bundled\n");
  EXPECT_EQ(platform::ExistingProgramFile("szo.xml"), prefix / "share/tollnok/szo.xml");
  EXPECT_FALSE(fs::exists(root_ / "data"));
  const fs::path user = platform::ProgramFile("szo.xml");
  EXPECT_EQ(Read(user), "bundled\n");
  Write(user, "downloaded\n");
  EXPECT_EQ(platform::ExistingProgramFile("szo.xml"), user);
  EXPECT_EQ(platform::ExistingProgramFile("rovaskep.ini"), "");

  fs::remove_all(prefix / "share");
  Program(false);  // a build folder: the file beside the program, nothing else
  EXPECT_EQ(platform::ExistingProgramFile("szo.xml"), "");
  Write(prefix / "bin/szo.xml", "built\n");
  EXPECT_EQ(platform::ExistingProgramFile("szo.xml"), prefix / "bin/szo.xml");
}

}  // namespace
