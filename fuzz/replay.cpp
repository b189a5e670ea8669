// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over files without libFuzzer, so that an ordinary build
// compiles every target and its seed corpus runs as a test: each argument is
// a file, or a folder whose files are run in name order. A crash or abort
// fails the test as it would fail the fuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> fajlok;
  for (int i = 1; i < argc; ++i) {
    if (fs::is_directory(argv[i])) {
      for (const fs::directory_entry& e : fs::directory_iterator(argv[i]))
        if (e.is_regular_file()) fajlok.push_back(e.path());
    } else {
      fajlok.emplace_back(argv[i]);
    }
  }
  std::sort(fajlok.begin(), fajlok.end());
  if (fajlok.empty()) {
    std::fprintf(stderr, "no inputs\n");
    return 1;
  }
  for (const fs::path& f : fajlok) {
    std::ifstream be(f, std::ios::binary);
    if (!be) {
      std::fprintf(stderr, "cannot read %s\n", f.c_str());
      return 1;
    }
    const std::string adat{std::istreambuf_iterator<char>(be), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(adat.data()), adat.size());
  }
  std::printf("%zu inputs\n", fajlok.size());
  return 0;
}
