#include "platform/programdir.h"

#include <gtest/gtest.h>

#include <filesystem>

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
  EXPECT_EQ(platform::ProgramFile("szo.xml"), "/some/where/szo.xml");
  platform::SetProgramDirOverride("/");
  EXPECT_EQ(platform::ProgramFile("szo.xml"), "/szo.xml");
  platform::SetProgramDirOverride("");
  EXPECT_NE(platform::ProgramDir(), "/");
}

}  // namespace
