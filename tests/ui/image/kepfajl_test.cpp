// SPDX-License-Identifier: GPL-3.0-or-later
// Saved pictures read back with the libraries themselves, the background
// readers, and what a failed save leaves behind.

#include "ui/image/kepfajl.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <tuple>

#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>
#include <png.h>

namespace fs = std::filesystem;

namespace {

// A test picture: a colour ramp with a white border, RGB rows with padding.
struct TMinta {
  int w = 37, h = 21;
  size_t sorhossz = 37 * 3 + 5;
  std::vector<std::uint8_t> adat;
  TMinta() : adat(sorhossz * h, 0) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint8_t* p = &adat[y * sorhossz + 3 * x];
        const bool szel = x == 0 || y == 0;
        p[0] = szel ? 255 : static_cast<std::uint8_t>(x * 6);
        p[1] = szel ? 255 : static_cast<std::uint8_t>(y * 12);
        p[2] = szel ? 255 : 77;
      }
  }
  TKepSorok Sorok() const { return {w, h, adat.data(), sorhossz}; }
  std::uint32_t Rgb(int x, int y) const {
    const std::uint8_t* p = &adat[y * sorhossz + 3 * x];
    return std::uint32_t(p[0]) << 16 | p[1] << 8 | p[2];
  }
};

class KepfajlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mappa_ = fs::temp_directory_path() / ("kepfajl_" + std::to_string(getpid()));
    fs::create_directories(mappa_);
  }
  void TearDown() override {
    fs::permissions(mappa_, fs::perms::owner_all);
    fs::remove_all(mappa_);
  }
  std::string Ut(const char* nev) const { return (mappa_ / nev).string(); }
  static std::string Beolvas(const std::string& ut) {
    std::ifstream be(ut, std::ios::binary);
    return {std::istreambuf_iterator<char>(be), {}};
  }
  size_t Fajlok() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(mappa_), {}));
  }
  fs::path mappa_;
  TMinta minta_;
};

// The header of a PNG file as libpng reads it; atlatszo is the tRNS colour or -1.
struct TPngFej {
  png_uint_32 w = 0, h = 0;
  int melyseg = 0, tipus = -1;
  long atlatszo = -1;
};

TPngFej PngFej(const std::string& ut) {
  TPngFej fej;
  FILE* f = std::fopen(ut.c_str(), "rb");
  if (!f) return fej;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (!setjmp(png_jmpbuf(png))) {
    png_init_io(png, f);
    png_read_info(png, info);
    fej.w = png_get_image_width(png, info);
    fej.h = png_get_image_height(png, info);
    fej.melyseg = png_get_bit_depth(png, info);
    fej.tipus = png_get_color_type(png, info);
    png_color_16p szin = nullptr;
    if (png_get_tRNS(png, info, nullptr, nullptr, &szin))
      fej.atlatszo = long(szin->red) << 16 | szin->green << 8 | szin->blue;
  }
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
  return fej;
}

TEST_F(KepfajlTest, PngWithATransparentColour) {
  for (const bool atlatszo : {false, true}) {
    const std::string ut = Ut(atlatszo ? "a.PNG" : "b.png");
    ASSERT_TRUE(KepMentese(ut, TKepfajta::PNG, minta_.Sorok(),
                           atlatszo ? std::optional<std::uint32_t>(0xFFFFFF) : std::nullopt)
                    .ok());
    const TPngFej fej = PngFej(ut);
    EXPECT_EQ(fej.w, 37u);
    EXPECT_EQ(fej.h, 21u);
    EXPECT_EQ(fej.melyseg, 8);
    EXPECT_EQ(fej.tipus, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(fej.atlatszo, atlatszo ? 0xFFFFFF : -1);

    // Our own reader gives the pixels back, the transparent colour with alpha 0.
    const auto kep = PngBeolvasas(Beolvas(ut));
    ASSERT_TRUE(kep);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{5, 7}, std::pair{36, 20}}) {
      const std::uint8_t* p = &kep->Rgba[(y * 37 + x) * 4];
      EXPECT_EQ(std::uint32_t(p[0]) << 16 | p[1] << 8 | p[2], minta_.Rgb(x, y));
      EXPECT_EQ(p[3], atlatszo && minta_.Rgb(x, y) == 0xFFFFFF ? 0 : 255);
    }
  }
}

struct TJpegHibaKezelo {
  jpeg_error_mgr mgr;
  std::jmp_buf ugras;
};

TEST_F(KepfajlTest, JpegQuality100WithoutSubsampling) {
  const std::string ut = Ut("c.jpeg");
  ASSERT_TRUE(KepMentese(ut, TKepfajta::JPG, minta_.Sorok()).ok());
  const std::string fajl = Beolvas(ut);
  jpeg_decompress_struct cinfo;
  TJpegHibaKezelo hiba;
  cinfo.err = jpeg_std_error(&hiba.mgr);
  hiba.mgr.error_exit = [](j_common_ptr c) {
    std::longjmp(reinterpret_cast<TJpegHibaKezelo*>(c->err)->ugras, 1);
  };
  ASSERT_FALSE(setjmp(hiba.ugras));
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(fajl.data()), fajl.size());
  jpeg_read_header(&cinfo, TRUE);
  EXPECT_EQ(cinfo.image_width, 37u);
  EXPECT_EQ(cinfo.num_components, 3);
  for (int i = 0; i < cinfo.num_components; ++i) {
    EXPECT_EQ(cinfo.comp_info[i].h_samp_factor, 1);
    EXPECT_EQ(cinfo.comp_info[i].v_samp_factor, 1);
  }
  // Quality 100 makes every quantisation step 1.
  for (int t = 0; t < 2; ++t) {
    ASSERT_TRUE(cinfo.quant_tbl_ptrs[t]);
    for (int k = 0; k < DCTSIZE2; ++k) EXPECT_EQ(cinfo.quant_tbl_ptrs[t]->quantval[k], 1);
  }
  jpeg_destroy_decompress(&cinfo);
  const auto kep = JpegBeolvasas(fajl);
  ASSERT_TRUE(kep);
  EXPECT_EQ(kep->Magassag, 21);
  EXPECT_NEAR(kep->Rgba[(7 * 37 + 5) * 4 + 1], 7 * 12, 4);
}

TEST_F(KepfajlTest, Bmp24BitRoundTrip) {
  const std::string ut = Ut("d.bmp");
  ASSERT_TRUE(KepMentese(ut, TKepfajta::BMP, minta_.Sorok()).ok());
  const std::string fajl = Beolvas(ut);
  ASSERT_GE(fajl.size(), 54u);
  EXPECT_EQ(fajl[28], 24);                                  // bits per pixel
  EXPECT_EQ(fajl.size(), 54u + ((37 * 3 + 3) & ~3u) * 21);  // rows padded to 4 bytes
  const auto kep = BmpBeolvasas(fajl);
  ASSERT_TRUE(kep);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 37; ++x) {
      const std::uint8_t* p = &kep->Rgba[(y * 37 + x) * 4];
      ASSERT_EQ(std::uint32_t(p[0]) << 16 | p[1] << 8 | p[2], minta_.Rgb(x, y)) << x << "," << y;
    }
}

// A JPEG of the sample whose header claims another size: its data ends long
// before the claimed picture does.
std::string HamisMeretuJpeg(const std::string& valodi, unsigned w, unsigned h) {
  std::string fajl = valodi;
  const size_t sof = fajl.find("\xFF\xC0");
  if (sof == std::string::npos) return {};
  fajl[sof + 5] = static_cast<char>(h >> 8);
  fajl[sof + 6] = static_cast<char>(h & 0xFF);
  fajl[sof + 7] = static_cast<char>(w >> 8);
  fajl[sof + 8] = static_cast<char>(w & 0xFF);
  return fajl;
}

TEST_F(KepfajlTest, ForgedHeadersAreRefusedBeforeDecoding) {
  // A few kilobytes of PNG that would decode into 67 million pixels.
  png_image kep{};
  kep.version = PNG_IMAGE_VERSION;
  kep.width = kep.height = 8200;
  kep.format = PNG_FORMAT_GRAY;
  kep.flags = PNG_IMAGE_FLAG_FAST;
  const std::vector<std::uint8_t> nullak(size_t{8200} * 8200, 0);
  png_alloc_size_t meret = 0;
  ASSERT_TRUE(png_image_write_get_memory_size(kep, meret, 0, nullak.data(), 0, nullptr));
  std::string bomba(meret, '\0');
  ASSERT_TRUE(png_image_write_to_memory(&kep, bomba.data(), &meret, 0, nullak.data(), 0, nullptr));
  bomba.resize(meret);
  EXPECT_LT(bomba.size(), 400'000u);
  EXPECT_FALSE(PngBeolvasas(bomba));

  ASSERT_TRUE(KepMentese(Ut("v.jpg"), TKepfajta::JPG, minta_.Sorok()).ok());
  const std::string jpeg = Beolvas(Ut("v.jpg"));
  ASSERT_TRUE(JpegBeolvasas(jpeg));
  EXPECT_FALSE(JpegBeolvasas(HamisMeretuJpeg(jpeg, 20000, 10000)));  // over the cap
  EXPECT_FALSE(JpegBeolvasas(HamisMeretuJpeg(jpeg, 4000, 4000)));    // the data ends early
}

TEST_F(KepfajlTest, LargePicturesAreScaledWhileDecoded) {
  ASSERT_TRUE(KepMentese(Ut("s.png"), TKepfajta::PNG, minta_.Sorok()).ok());
  ASSERT_TRUE(KepMentese(Ut("s.bmp"), TKepfajta::BMP, minta_.Sorok()).ok());
  ASSERT_TRUE(KepMentese(Ut("s.jpg"), TKepfajta::JPG, minta_.Sorok()).ok());
  // 37 x 21 into at most 200 pixels: 3 x 3 blocks (13 x 7) for PNG and BMP,
  // 3/8 of the size (14 x 8) in the JPEG decoder.
  for (const auto& [nev, w, h] : {std::tuple{"s.png", 13, 7}, {"s.bmp", 13, 7}, {"s.jpg", 14, 8}}) {
    const std::string fajl = Beolvas(Ut(nev));
    const auto kep = std::string_view(nev).ends_with("png")   ? PngBeolvasas(fajl, 200)
                     : std::string_view(nev).ends_with("bmp") ? BmpBeolvasas(fajl, 200)
                                                              : JpegBeolvasas(fajl, 200);
    ASSERT_TRUE(kep) << nev;
    EXPECT_EQ(kep->Szelesseg, w) << nev;
    EXPECT_EQ(kep->Magassag, h) << nev;
    EXPECT_EQ(kep->Rgba.size(), size_t(w) * h * 4) << nev;
  }
  // Each pixel is its block's average: the block at (3, 3) holds x = 9..11, y = 9..11.
  const auto kep = PngBeolvasas(Beolvas(Ut("s.png")), 200);
  ASSERT_TRUE(kep);
  const std::uint8_t* p = &kep->Rgba[(3 * 13 + 3) * 4];
  EXPECT_EQ(p[0], 10 * 6);
  EXPECT_EQ(p[1], 10 * 12);
  EXPECT_EQ(p[2], 77);
  EXPECT_EQ(p[3], 255);
}

TEST_F(KepfajlTest, BackgroundFiles) {
  ASSERT_TRUE(KepMentese(Ut("e.png"), TKepfajta::PNG, minta_.Sorok()).ok());
  const std::string png = Beolvas(Ut("e.png"));
  std::ofstream(Ut("e.gif"), std::ios::binary) << png;
  std::ofstream(Ut("fel.png"), std::ios::binary) << png.substr(0, png.size() / 2);
  EXPECT_TRUE(HatterFajlBeolvasas(Ut("e.png")));
  EXPECT_FALSE(HatterFajlBeolvasas(Ut("e.gif")));    // unknown extension
  EXPECT_FALSE(HatterFajlBeolvasas(Ut("fel.png")));  // truncated
  EXPECT_FALSE(HatterFajlBeolvasas(Ut("nincs.png")));
  EXPECT_FALSE(HatterFajlBeolvasas(mappa_.string() + "/.png"));

  // Bitmaps: 8-bit palette, top-down; zero width refused.
  std::string bmp = "BM" + std::string(12, '\0');
  auto Le32 = [](std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
  };
  bmp[10] = 54 + 8;
  Le32(bmp, 40);
  Le32(bmp, 2);
  Le32(bmp, static_cast<std::uint32_t>(-1));  // one row, top-down
  bmp += std::string("\x01\x00\x08\x00", 4) + std::string(24, '\0');
  bmp += std::string("\x10\x20\x30\x00\x40\x50\x60\x00", 8);  // palette: 2 colours, BGR0
  bmp += std::string("\x01\x00\x00\x00", 4);                  // pixels 1, 0
  const auto kep = BmpBeolvasas(bmp);
  ASSERT_TRUE(kep);
  EXPECT_EQ(std::vector<std::uint8_t>(kep->Rgba.begin(), kep->Rgba.end()),
            (std::vector<std::uint8_t>{0x60, 0x50, 0x40, 255, 0x30, 0x20, 0x10, 255}));
  std::string nulla = bmp;
  nulla[18] = 0;
  EXPECT_FALSE(BmpBeolvasas(nulla));
  EXPECT_FALSE(BmpBeolvasas(bmp.substr(0, bmp.size() - 2)));
}

TEST_F(KepfajlTest, AFailedSaveSpoilsNothing) {
  // A folder that does not exist: the message names the file and the reason.
  const std::string hianyzo = Ut("nincs/x.png");
  const platform::Status e = KepMentese(hianyzo, TKepfajta::PNG, minta_.Sorok());
  EXPECT_EQ(e.Message(), "Unable to write to " + hianyzo + ": No such file or directory");

  // A write that fails half-way (the file-size limit, which binds root too)
  // keeps the old picture byte for byte and leaves no temporary file.
  const std::string regi = Ut("regi.bmp");
  std::ofstream(regi, std::ios::binary) << "old picture";
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit eredeti;
  getrlimit(RLIMIT_FSIZE, &eredeti);
  rlimit kicsi = eredeti;
  kicsi.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &kicsi);
  for (const TKepfajta fajta : {TKepfajta::PNG, TKepfajta::JPG, TKepfajta::BMP}) {
    const platform::Status e = KepMentese(regi, fajta, minta_.Sorok());
    EXPECT_NE(e.Message().find("File too large"), std::string::npos) << e.Message();
  }
  setrlimit(RLIMIT_FSIZE, &eredeti);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(Beolvas(regi), "old picture");
  EXPECT_EQ(Fajlok(), 1u);
}

TEST_F(KepfajlTest, AFolderAtTheTargetIsNotOverwritten) {
  // The target is a folder: the rename fails, no temporary file stays.
  fs::create_directory(Ut("mappa.png"));
  EXPECT_FALSE(KepMentese(Ut("mappa.png"), TKepfajta::PNG, minta_.Sorok()).ok());
  EXPECT_EQ(Fajlok(), 1u);
  // A new file gets the usual permissions, not the temporary file's 0600.
  ASSERT_TRUE(KepMentese(Ut("uj.png"), TKepfajta::PNG, minta_.Sorok()).ok());
  struct stat st;
  ASSERT_EQ(stat(Ut("uj.png").c_str(), &st), 0);
  const mode_t maszk = umask(0);
  umask(maszk);
  EXPECT_EQ(st.st_mode & 0777, 0666 & ~maszk);
}

TEST(KepfajtaKiterjesztesbol, Extensions) {
  EXPECT_EQ(KepfajtaKiterjesztesbol("a.JPEG"), TKepfajta::JPG);
  EXPECT_EQ(KepfajtaKiterjesztesbol("a.Bmp"), TKepfajta::BMP);
  EXPECT_EQ(KepfajtaKiterjesztesbol("a.png.gif"), std::nullopt);
  EXPECT_EQ(KepfajtaKiterjesztesbol("dir.png/a"), std::nullopt);
}

}  // namespace
