// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli html end to end: the layout lines, the picture and usage errors.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "futtatas.h"

namespace {

Futas Html(const std::string& args, const std::string& be) {
  const auto bemenet =
      std::filesystem::temp_directory_path() / ("html_cli_" + std::to_string(getpid()));
  std::ofstream(bemenet, std::ios::binary) << be;
  const Futas f = Futtat(std::string(ROVAS_CLI) + " html " + args + " < '" + bemenet.string() +
                         "' 2>/dev/null");
  std::filesystem::remove(bemenet);
  return f;
}

TEST(HtmlCli, LayoutLines) {
  const Futas f = Html("--width 200 --layout", "<P align=right>a&lt;b</p><br/>\n");
  ASSERT_EQ(f.allapot, 0);
  std::istringstream sorok(f.ki);
  std::string sor;
  std::getline(sorok, sor);
  EXPECT_TRUE(std::regex_match(sor, std::regex("html 200 [0-9]+"))) << sor;
  std::string osztalyok;
  const std::regex obj("obj (\\w+) -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ [0-9]+ [0-9]+ (.*)");
  while (std::getline(sorok, sor)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(sor, m, obj)) << sor;
    osztalyok += m[1].str() + ":" + m[2].str() + " ";
  }
  // The source's line end travels with the last text, %-escaped.
  EXPECT_EQ(osztalyok, "aPSTag:p aText:a<b aPETag:/p aText:%0D%0A ");
}

TEST(HtmlCli, PictureAndUsage) {
  const auto png =
      std::filesystem::temp_directory_path() / ("html_cli_" + std::to_string(getpid()) + ".png");
  EXPECT_EQ(Html("-o '" + png.string() + "'", "<b>x</b>").allapot, 0);
  std::ifstream f(png, std::ios::binary);
  char fej[4] = {};
  f.read(fej, 4);
  EXPECT_EQ(std::string(fej + 1, 3), "PNG");
  std::filesystem::remove(png);
  EXPECT_EQ(Html("--width x --layout", "").allapot, 2);
  EXPECT_EQ(Html("--layout /nonexistent/file", "").allapot, 2);
  // A help text of megabytes would lay out millions of objects.
  EXPECT_EQ(Html("--layout", std::string((1 << 20) + 1, 'a')).allapot, 2);
}

}  // namespace
