// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

namespace fs = std::filesystem;
using platform::IniFile;

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string templ = (fs::temp_directory_path() / "initest.XXXXXX").string();
    ASSERT_NE(::mkdtemp(templ.data()), nullptr);
    dir_ = templ;
    path_ = dir_ + "/test.ini";
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Get() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  std::string dir_;
  std::string path_;
};

TEST_F(IniTest, WritesCreateSectionsAndKeysInOrderWithCrLf) {
  IniFile ini(path_);
  EXPECT_TRUE(ini.WriteString("Alap", "LBetukeszlet", "Rovasjel jb").ok());
  EXPECT_TRUE(ini.WriteInteger("Alap", "LMeret", 16).ok());
  EXPECT_TRUE(ini.WriteString("Egyeni", "SzEElsoKor", "cs-C,\xB3\\b-K").ok());
  EXPECT_TRUE(ini.WriteBool("Alap", "PMelyK", true).ok());
  EXPECT_TRUE(ini.WriteBool("Egyeni", "POffice2010", false).ok());
  EXPECT_EQ(Get(),
            "[Alap]\r\nLBetukeszlet=Rovasjel jb\r\nLMeret=16\r\nPMelyK=1\r\n"
            "[Egyeni]\r\nSzEElsoKor=cs-C,\xB3\\b-K\r\nPOffice2010=0\r\n");
  EXPECT_EQ(ini.ReadString("Egyeni", "SzEElsoKor", ""), "cs-C,\xB3\\b-K");
  EXPECT_EQ(ini.ReadInteger("Alap", "LMeret", 0), 16);
  EXPECT_TRUE(ini.ReadBool("Alap", "PMelyK", false));
  EXPECT_FALSE(ini.ReadBool("Egyeni", "POffice2010", true));
}

TEST_F(IniTest, RewritingAKeyKeepsEveryOtherByte) {
  const std::string before =
      "; comment\n[Other]\nx = 1\n\n[alap]\nLMeret=12\nKeep=yes\r\n[Tail]\rz=ő\r"_hu;
  Put(before);
  IniFile ini(path_);
  EXPECT_TRUE(ini.WriteInteger("Alap", "lmeret", 20).ok());
  EXPECT_EQ(Get(), "; comment\n[Other]\nx = 1\n\n[alap]\nlmeret=20\nKeep=yes\r\n[Tail]\rz=ő\r"_hu);
  // A new key goes after the section's last non-blank line, before the next section.
  EXPECT_TRUE(ini.WriteString("Other", "y", "2").ok());
  EXPECT_EQ(Get(),
            "; comment\n[Other]\nx = 1\ny=2\r\n\n[alap]\nlmeret=20\nKeep=yes\r\n[Tail]\rz=ő\r"_hu);
  EXPECT_EQ(ini.ReadString("Tail", "z", ""), "ő"_hu);
  EXPECT_EQ(ini.ReadString("Other", "x", ""), "1");
}

TEST_F(IniTest, AppendingAfterALastLineWithoutLineEnd) {
  Put("[A]\r\nk=v");
  IniFile ini(path_);
  EXPECT_TRUE(ini.WriteString("A", "n", "w").ok());
  EXPECT_EQ(Get(), "[A]\r\nk=v\r\nn=w\r\n");
  Put("[A]\r\nk=v");
  EXPECT_TRUE(ini.WriteString("B", "n", "w").ok());
  EXPECT_EQ(Get(), "[A]\r\nk=v\r\n[B]\r\nn=w\r\n");
}

TEST_F(IniTest, ReadingToleratesTheFileShapesPeopleLeave) {
  struct Row {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> want;
  };
  const Row rows[] = {
      {"crlf", "[Alap]\r\nLIrany=2\r\n", "Alap", "LIrany", "2"},
      {"lf only", "[Alap]\nLIrany=2\n", "Alap", "LIrany", "2"},
      {"cr only", "[Alap]\rLIrany=2\r", "Alap", "LIrany", "2"},
      {"no final line end", "[Alap]\nLIrany=2", "Alap", "LIrany", "2"},
      {"utf-8 bom", "\xEF\xBB\xBF[Alap]\r\nLIrany=2\r\n", "Alap", "LIrany", "2"},
      {"spaces around =", "[Alap]\n  LIrany \t=  2 \t\n", "Alap", "LIrany", "2"},
      {"spaced section", " [ Alap ] \nLIrany=2\n", "Alap", "LIrany", "2"},
      {"letter case", "[ALAP]\nlirany=2\n", "alap", "LIRANY", "2"},
      {"first key wins", "[Alap]\nk=1\nk=2\n", "Alap", "k", "1"},
      {"first section wins", "[Alap]\nj=1\n[Alap]\nk=2\n", "Alap", "k", std::nullopt},
      {"key of another section", "[Egyeni]\nk=1\n", "Alap", "k", std::nullopt},
      {"key before any section", "k=1\n[Alap]\n", "Alap", "k", std::nullopt},
      {"missing section", "[Egyeni]\n", "Alap", "k", std::nullopt},
      {"empty file", "", "Alap", "k", std::nullopt},
      {"comment is no key", "[Alap]\n;k=1\n", "Alap", ";k", std::nullopt},
      {"empty value", "[Alap]\nk=\n", "Alap", "k", ""},
      {"value with =", "[Alap]\nk=a=b\n", "Alap", "k", "a=b"},
      {"windows-1250 bytes", "[Alap]\nk=áéőűŠ\n"_hu, "Alap", "k", "áéőűŠ"_hu},
      {"cut at nul", std::string("[Alap]\nk=ab\0cd\n", 14), "Alap", "k", "ab"},
      {"unclosed section", "[Alap\nk=1\n", "Alap", "k", "1"},
      {"line without =", "[Alap]\njunk\nk=1\n", "Alap", "k", "1"},
  };
  for (const Row& r : rows) {
    Put(r.file);
    EXPECT_EQ(IniFile(path_).Read(r.section, r.key), r.want) << r.name;
  }
}

TEST_F(IniTest, MissingFileGivesDefaults) {
  IniFile ini(dir_ + "/none.ini");
  EXPECT_EQ(ini.Read("Alap", "k"), std::nullopt);
  EXPECT_EQ(ini.ReadString("Alap", "k", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("Alap", "k", 7), 7);
  EXPECT_TRUE(ini.ReadBool("Alap", "k", true));
}

TEST_F(IniTest, ReadsAreCutTo2047Bytes) {
  const std::string longValue = std::string(2040, 'a') + std::string(960, 'b');
  IniFile ini(path_);
  EXPECT_TRUE(ini.WriteString("Egyeni", "SzEElsoKor", longValue).ok());
  // The whole value is stored; only reads are limited.
  EXPECT_NE(Get().find(longValue), std::string::npos);
  EXPECT_EQ(ini.ReadString("Egyeni", "SzEElsoKor", ""), longValue.substr(0, 2047));
  EXPECT_EQ(ini.ReadString("Egyeni", "missing", longValue), longValue.substr(0, 2047));
  EXPECT_TRUE(ini.WriteString("Egyeni", "exact", std::string(2047, 'c')).ok());
  EXPECT_EQ(ini.ReadString("Egyeni", "exact", "").size(), 2047u);
}

TEST(IniInteger, DecimalHexAndJunk) {
  struct Row {
    const char* text;
    std::optional<int> want;
  };
  const Row rows[] = {
      {"16", 16},
      {"0x10", 16},
      {"0X1f", 31},
      {"0xFFFFFFFF", -1},
      {"0x7FFFFFFF", INT_MAX},
      {"0x100000000", std::nullopt},
      {"0x", std::nullopt},
      {"0X", std::nullopt},
      {"0xg", std::nullopt},
      {"0x-1", std::nullopt},
      {"-1", -1},
      {"+5", 5},
      {"007", 7},
      {"-2147483648", INT_MIN},
      {"2147483647", INT_MAX},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"abc", std::nullopt},
      {"12a", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const Row& r : rows) EXPECT_EQ(platform::ParseIniInteger(r.text), r.want) << r.text;
}

TEST_F(IniTest, IntegerAndBooleanReadsFallBackToTheDefault) {
  Put("[A]\nn=junk\nb=5\nz=0\nh= 0x10 \nneg=-3\n");
  IniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("A", "n", 42), 42);
  EXPECT_EQ(ini.ReadInteger("A", "h", 0), 16);
  EXPECT_EQ(ini.ReadInteger("A", "neg", 0), -3);
  EXPECT_TRUE(ini.ReadBool("A", "b", false));
  EXPECT_FALSE(ini.ReadBool("A", "z", true));
  EXPECT_TRUE(ini.ReadBool("A", "n", true));
  EXPECT_FALSE(ini.ReadBool("A", "n", false));
  EXPECT_TRUE(ini.ReadBool("A", "neg", false));
}

TEST_F(IniTest, RefusedWritesReturnTheWriteErrorWithTheFullPath) {
  const std::string inMissingDir = dir_ + "/no/such/dir/rovas.ini";
  EXPECT_EQ(IniFile(inMissingDir).WriteString("Alap", "k", "v").Message(),
            "Unable to write to " + inMissingDir + ": No such file or directory");
  fs::create_directory(path_);  // a directory where the file should be
  EXPECT_FALSE(IniFile(path_).WriteString("Alap", "k", "v").ok());
}

TEST_F(IniTest, ValuesThatWouldBreakTheFileAreRefused) {
  Put("[A]\r\nk=1\r\n");
  IniFile ini(path_);
  const std::string bad[] = {"a\r\nx=injected", "a\nb", "a\rb", std::string("a\0b", 3)};
  for (const std::string& v : bad) {
    EXPECT_FALSE(ini.WriteString("A", "k", v).ok());
  }
  EXPECT_FALSE(ini.WriteString("A", "k=x", "1").ok());
  EXPECT_FALSE(ini.WriteString("A]", "k", "1").ok());
  EXPECT_FALSE(ini.WriteString("A", "", "1").ok());
  EXPECT_EQ(Get(), "[A]\r\nk=1\r\n");
}

TEST_F(IniTest, AFailedWriteLeavesTheFileByteForByte) {
  const std::string eredeti = "[Alap]\r\nLMeret=16\r\n; the user's own note\r\n";
  // A file-size limit smaller than the new file: writing the temporary file fails.
  Put(eredeti);
  {
    const auto regi = std::signal(SIGXFSZ, SIG_IGN);
    rlimit hatar{};
    getrlimit(RLIMIT_FSIZE, &hatar);
    const rlimit szuk{8, hatar.rlim_max};
    setrlimit(RLIMIT_FSIZE, &szuk);
    EXPECT_EQ(IniFile(path_).WriteString("Alap", "LMeret", "20").Message(),
              "Unable to write to " + path_ + ": File too large");
    setrlimit(RLIMIT_FSIZE, &hatar);
    std::signal(SIGXFSZ, regi);
  }
  EXPECT_EQ(Get(), eredeti);
  // A read-only file is not replaced, even where the directory would allow it.
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(IniFile(path_).WriteString("Alap", "LMeret", "20").ok());
  EXPECT_EQ(Get(), eredeti);
  fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  // Through a symbolic link the file it points to is replaced; the link stays.
  const std::string link = dir_ + "/link.ini";
  fs::create_symlink(path_, link);
  EXPECT_TRUE(IniFile(link).WriteString("Alap", "LMeret", "20").ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(IniFile(path_).ReadInteger("Alap", "LMeret", 0), 20);
}

TEST_F(IniTest, UnreadableFileIsAnErrorNotDefaults) {
  fs::create_directory(path_);
  const IniFile ini(path_);
  EXPECT_TRUE(ini.ReadStatus().ok());
  EXPECT_EQ(ini.ReadInteger("A", "k", 7), 7);
  EXPECT_EQ(ini.ReadStatus().Message(), "Unable to read " + path_ + ": Is a directory");
}

TEST_F(IniTest, DamagedFilesStillReadAndWrite) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  const std::string files[] = {
      junk,
      "[[[]]]\n=\n==\n[\n]\n" + junk,
      std::string(100000, '['),
      std::string(100000, '\n'),
      "[A]\n" + std::string(100000, 'x') + "=" + std::string(100000, 'y'),
  };
  for (const std::string& f : files) {
    Put(f);
    IniFile ini(path_);
    (void)ini.Read("A", "k");
    EXPECT_TRUE(ini.WriteString("Fresh", "key", "value").ok());
    EXPECT_EQ(ini.Read("Fresh", "key"), "value");
    EXPECT_EQ(Get().substr(0, f.size()), f);  // the damaged part is left as it was
  }
}

TEST_F(IniTest, WriteKeepsTheFileMode) {
  Put("[A]\nk=1\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
  EXPECT_TRUE(IniFile(path_).WriteString("A", "k", "2").ok());
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
