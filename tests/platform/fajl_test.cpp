// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fajl.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class FajlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string templ = (fs::temp_directory_path() / "fajltest.XXXXXX").string();
    ASSERT_NE(::mkdtemp(templ.data()), nullptr);
    dir_ = templ;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Ut(const std::string& nev) const { return dir_ + "/" + nev; }
  void Ir(const std::string& nev, const std::string& bajtok) const {
    std::ofstream(Ut(nev), std::ios::binary) << bajtok;
  }
  std::string Olvas(const std::string& nev) const {
    std::ifstream be(Ut(nev), std::ios::binary);
    std::stringstream ss;
    ss << be.rdbuf();
    return ss.str();
  }
  long Fajlok() const {
    return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
  }

  std::string dir_;
};

TEST_F(FajlTest, ReadTakesRegularFilesUpToTheCapAndNothingElse) {
  Ir("a", "abc");
  ASSERT_EQ(::mkfifo(Ut("fifo").c_str(), 0600), 0);
  fs::create_directory(Ut("dir"));
  alarm(20);  // a FIFO opened the ordinary way would wait for a writer for ever
  struct Row {
    std::string nev;
    std::size_t cap;
    const char* ok;  // null: read
    bool hianyzik = false;
  };
  const Row rows[] = {
      {"a", 3, nullptr},
      {"a", 2, "the file is larger than 2 bytes"},
      {"fifo", 100, "not a regular file"},
      {"dir", 100, "Is a directory"},
      {"nincs", 100, "No such file or directory", true},
      {"a/b", 100, "Not a directory", true},
  };
  for (const Row& r : rows) {
    std::string ki = "junk";
    const platform::Status s = platform::ReadFile(Ut(r.nev), r.cap, ki);
    EXPECT_EQ(s.IsNotFound(), r.hianyzik) << r.nev;
    if (!r.ok) {
      EXPECT_TRUE(s.ok()) << s.Message();
      EXPECT_EQ(ki, "abc");
    } else {
      EXPECT_EQ(s.Message(), "Unable to read " + Ut(r.nev) + ": " + r.ok);
      EXPECT_EQ(ki, "");
    }
  }
  alarm(0);
  std::string ki;
  Ir("mb", std::string((1 << 20) + 1, 'x'));
  EXPECT_EQ(platform::ReadFile(Ut("mb"), 1 << 20, ki).Message(),
            "Unable to read " + Ut("mb") + ": the file is larger than 1 MB");
}

TEST_F(FajlTest, AWriterThatFailsHalfWayLeavesTheTargetAsItWas) {
  Ir("t", "old");
  // Half the picture is written, then the library gives up, or the disk fills.
  const platform::Status s = platform::ReplaceFileWith(Ut("t"), [](std::FILE* f) {
    std::fputs("half of the new", f);
    std::fflush(f);
    return platform::Status::Error("compressor failed");
  });
  EXPECT_EQ(s.Message(), "Unable to write to " + Ut("t") + ": compressor failed");
  EXPECT_EQ(Olvas("t"), "old");
  EXPECT_EQ(Fajlok(), 1);
  EXPECT_TRUE(platform::ReplaceFile(Ut("t"), "new").ok());
  EXPECT_EQ(Olvas("t"), "new");
  EXPECT_EQ(Fajlok(), 1);
  // Something that is not a regular file is not replaced.
  ASSERT_EQ(::mkfifo(Ut("fifo").c_str(), 0600), 0);
  EXPECT_FALSE(platform::ReplaceFile(Ut("fifo"), "x").ok());
}

TEST_F(FajlTest, ASaveKilledHalfWayLeavesNoTemporaryFile) {
  Ir("rovas.ini", "old");
  for (int i = 0; i < 5; ++i) {
    const pid_t gyerek = ::fork();
    ASSERT_GE(gyerek, 0);
    if (gyerek == 0) {
      (void)platform::ReplaceFileWith(Ut("rovas.ini"), [](std::FILE* f) {
        std::fputs("half", f);
        std::fflush(f);
        ::raise(SIGKILL);
        return platform::Status();
      });
      ::_exit(0);
    }
    int allapot = 0;
    ASSERT_EQ(::waitpid(gyerek, &allapot, 0), gyerek);
    EXPECT_TRUE(WIFSIGNALED(allapot));
  }
  EXPECT_EQ(Olvas("rovas.ini"), "old");
  EXPECT_EQ(Fajlok(), 1);
}

}  // namespace
