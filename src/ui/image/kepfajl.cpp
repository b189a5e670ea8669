// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/kepfajl.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

// libjpeg's header needs <cstdio> first.
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

#include "platform/fajl.h"

namespace {

bool MeretRendben(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kMaxOldal && h <= kMaxOldal && w * h <= kMaxKeppont;
}

// Collects a picture's rows, top row first, into a picture of at most
// `maxKeppont` pixels: each output pixel is the average of an f x f block of
// the source (f = 1: the rows are copied as they are), so a large picture is
// scaled down while it is decoded and never held at full size.
class TLeskalazo {
 public:
  TLeskalazo(int w, int h, std::int64_t maxKeppont) : w_(w), h_(h) {
    while (Kimenet(w, f_) * Kimenet(h, f_) > std::max<std::int64_t>(1, maxKeppont)) ++f_;
    ki_.Szelesseg = static_cast<int>(Kimenet(w, f_));
    ki_.Magassag = static_cast<int>(Kimenet(h, f_));
    ki_.Rgba.resize(static_cast<size_t>(ki_.Szelesseg) * ki_.Magassag * 4);
    if (f_ > 1) {
      sor_.resize(static_cast<size_t>(w) * 4);
      osszeg_.assign(static_cast<size_t>(ki_.Szelesseg) * 4, 0);
    }
  }

  // Where the next source row goes (w RGBA pixels); then call Kesz().
  std::uint8_t* Sor() {
    return f_ == 1 ? ki_.Rgba.data() + static_cast<size_t>(y_) * w_ * 4 : sor_.data();
  }
  void Kesz() {
    if (f_ > 1) {
      for (int x = 0; x < w_; ++x)
        for (int c = 0; c < 4; ++c) osszeg_[static_cast<size_t>(x / f_) * 4 + c] += sor_[x * 4 + c];
      if ((y_ + 1) % f_ == 0 || y_ + 1 == h_) Kiir();
    }
    ++y_;
  }
  TKepAdat Eredmeny() && { return std::move(ki_); }

 private:
  static std::int64_t Kimenet(std::int64_t n, int f) { return (n + f - 1) / f; }
  void Kiir() {
    const int sorok = y_ % f_ + 1;
    std::uint8_t* ki = ki_.Rgba.data() + static_cast<size_t>(y_ / f_) * ki_.Szelesseg * 4;
    for (int x = 0; x < ki_.Szelesseg; ++x) {
      const int oszlopok = std::min(f_, w_ - x * f_);
      const std::uint32_t db = static_cast<std::uint32_t>(sorok * oszlopok);
      for (int c = 0; c < 4; ++c) {
        std::uint32_t& o = osszeg_[static_cast<size_t>(x) * 4 + c];
        ki[x * 4 + c] = static_cast<std::uint8_t>((o + db / 2) / db);
        o = 0;
      }
    }
  }

  int w_, h_;
  int f_ = 1;
  int y_ = 0;
  TKepAdat ki_;
  std::vector<std::uint8_t> sor_;
  std::vector<std::uint32_t> osszeg_;
};

std::string KisBetus(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Kiterjesztes(std::string_view utvonal) {
  const size_t per = utvonal.find_last_of('/');
  const size_t pont = utvonal.find_last_of('.');
  if (pont == std::string_view::npos || (per != std::string_view::npos && pont < per)) return {};
  return KisBetus(utvonal.substr(pont));
}

// ---- JPEG ----

struct TJpegHiba {
  jpeg_error_mgr mgr;
  std::jmp_buf ugras;
  char uzenet[JMSG_LENGTH_MAX];
};

void JpegHibaKilepes(j_common_ptr cinfo) {
  auto* h = reinterpret_cast<TJpegHiba*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, h->uzenet);
  std::longjmp(h->ugras, 1);
}

// Warnings and traces are not shown, but a file that ends before its picture
// does is refused: libjpeg would go on drawing grey for a forged header's
// every missing row.
void JpegUzenet(j_common_ptr cinfo, int szint) {
  const int kod = cinfo->err->msg_code;
  if (szint < 0 && (kod == JWRN_JPEG_EOF || kod == JWRN_HIT_MARKER)) JpegHibaKilepes(cinfo);
}

// ---- PNG ----

struct TPngHiba {
  std::jmp_buf ugras;
  char uzenet[256] = {};
};

void PngHibaKilepes(png_structp png, png_const_charp uzenet) {
  auto* h = static_cast<TPngHiba*>(png_get_error_ptr(png));
  std::snprintf(h->uzenet, sizeof h->uzenet, "%s", uzenet);
  std::longjmp(h->ugras, 1);
}

void PngFigyelmeztetes(png_structp, png_const_charp) {}

// Each writer gives an empty string on success, else the library's reason.

std::string PngIras(std::FILE* f, const TKepSorok& kep, std::optional<std::uint32_t> atlatszo) {
  TPngHiba hiba;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &hiba, PngHibaKilepes, PngFigyelmeztetes);
  if (!png) return "out of memory";
  png_infop info = png_create_info_struct(png);
  if (setjmp(hiba.ugras)) {
    png_destroy_write_struct(&png, &info);
    return hiba.uzenet;
  }
  if (!info) png_error(png, "out of memory");
  png_init_io(png, f);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(kep.Szelesseg),
               static_cast<png_uint_32>(kep.Magassag), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (atlatszo) {
    png_color_16 szin{};
    szin.red = static_cast<png_uint_16>((*atlatszo >> 16) & 0xFF);
    szin.green = static_cast<png_uint_16>((*atlatszo >> 8) & 0xFF);
    szin.blue = static_cast<png_uint_16>(*atlatszo & 0xFF);
    png_set_tRNS(png, info, nullptr, 0, &szin);
  }
  png_write_info(png, info);
  for (int y = 0; y < kep.Magassag; ++y)
    png_write_row(png, kep.Adat + static_cast<size_t>(y) * kep.Sorhossz);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return {};
}

std::string JpegIras(std::FILE* f, const TKepSorok& kep) {
  jpeg_compress_struct cinfo;
  TJpegHiba hiba;
  cinfo.err = jpeg_std_error(&hiba.mgr);
  hiba.mgr.error_exit = JpegHibaKilepes;
  hiba.mgr.emit_message = JpegUzenet;
  if (setjmp(hiba.ugras)) {
    jpeg_destroy_compress(&cinfo);
    return hiba.uzenet;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(kep.Szelesseg);
  cinfo.image_height = static_cast<JDIMENSION>(kep.Magassag);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW sor = const_cast<JSAMPROW>(kep.Adat + cinfo.next_scanline * kep.Sorhossz);
    jpeg_write_scanlines(&cinfo, &sor, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return {};
}

// ---- BMP ----

void Le16(std::string& s, unsigned v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Le32(std::string& s, std::uint32_t v) {
  Le16(s, v & 0xFFFF);
  Le16(s, v >> 16);
}

std::string BmpIras(std::FILE* f, const TKepSorok& kep) {
  const size_t sorhossz = (static_cast<size_t>(kep.Szelesseg) * 3 + 3) & ~size_t{3};
  const std::uint64_t adatMeret = static_cast<std::uint64_t>(sorhossz) * kep.Magassag;
  if (adatMeret + 54 > 0xFFFFFFFFu) return "picture too large for a bitmap file";
  std::string fej;
  fej += "BM";
  Le32(fej, static_cast<std::uint32_t>(54 + adatMeret));
  Le32(fej, 0);
  Le32(fej, 54);
  Le32(fej, 40);
  Le32(fej, static_cast<std::uint32_t>(kep.Szelesseg));
  Le32(fej, static_cast<std::uint32_t>(kep.Magassag));  // positive: bottom row first
  Le16(fej, 1);
  Le16(fej, 24);
  Le32(fej, 0);  // uncompressed
  Le32(fej, static_cast<std::uint32_t>(adatMeret));
  Le32(fej, 3780);  // 96 dots per inch
  Le32(fej, 3780);
  Le32(fej, 0);
  Le32(fej, 0);
  if (std::fwrite(fej.data(), 1, fej.size(), f) != fej.size()) return "write error";
  std::vector<std::uint8_t> sor(sorhossz, 0);
  for (int y = kep.Magassag - 1; y >= 0; --y) {
    const std::uint8_t* be = kep.Adat + static_cast<size_t>(y) * kep.Sorhossz;
    for (int x = 0; x < kep.Szelesseg; ++x) {
      sor[3 * x] = be[3 * x + 2];
      sor[3 * x + 1] = be[3 * x + 1];
      sor[3 * x + 2] = be[3 * x];
    }
    if (std::fwrite(sor.data(), 1, sor.size(), f) != sor.size()) return "write error";
  }
  return {};
}

std::uint32_t Olvas16(std::string_view s, size_t i) {
  return static_cast<std::uint8_t>(s[i]) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[i + 1])) << 8;
}
std::uint32_t Olvas32(std::string_view s, size_t i) {
  return Olvas16(s, i) | Olvas16(s, i + 2) << 16;
}

// The value of `v` under a colour mask, scaled to 0..255.
std::uint8_t Maszkolt(std::uint32_t v, std::uint32_t maszk) {
  if (!maszk) return 0;
  int eltolas = 0;
  while (!((maszk >> eltolas) & 1)) ++eltolas;
  const std::uint32_t m = maszk >> eltolas;
  const std::uint64_t ertek = (v >> eltolas) & m;
  return static_cast<std::uint8_t>(ertek * 255 / m);
}

}  // namespace

std::optional<TKepAdat> PngBeolvasas(std::string_view fajl, std::int64_t maxKeppont) {
  png_image kep{};
  kep.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&kep, fajl.data(), fajl.size())) return std::nullopt;
  if (!MeretRendben(kep.width, kep.height)) {
    png_image_free(&kep);
    return std::nullopt;
  }
  kep.format = PNG_FORMAT_RGBA;
  const int w = static_cast<int>(kep.width), h = static_cast<int>(kep.height);
  TLeskalazo leskalazo(w, h, maxKeppont);
  const bool kicsinyit = static_cast<std::int64_t>(w) * h > maxKeppont;
  // libpng's whole-picture reader decodes into one buffer: a picture that
  // must shrink goes through a full-size one first (at most kMaxKeppont).
  std::vector<std::uint8_t> teljes;
  std::uint8_t* cel = leskalazo.Sor();
  if (kicsinyit) {
    teljes.resize(PNG_IMAGE_SIZE(kep));
    cel = teljes.data();
  }
  if (!png_image_finish_read(&kep, nullptr, cel, 0, nullptr)) {
    png_image_free(&kep);
    return std::nullopt;
  }
  for (int y = 0; y < h; ++y) {
    if (kicsinyit) std::memcpy(leskalazo.Sor(), cel + static_cast<size_t>(y) * w * 4, w * 4);
    leskalazo.Kesz();
  }
  return std::move(leskalazo).Eredmeny();
}

std::optional<TKepAdat> JpegBeolvasas(std::string_view fajl, std::int64_t maxKeppont) {
  jpeg_decompress_struct cinfo;
  TJpegHiba hiba;
  cinfo.err = jpeg_std_error(&hiba.mgr);
  hiba.mgr.error_exit = JpegHibaKilepes;
  hiba.mgr.emit_message = JpegUzenet;
  // Made before setjmp and never reassigned after it, so a longjmp leaves it intact.
  const auto leskalazo = std::make_unique<std::optional<TLeskalazo>>();
  if (setjmp(hiba.ugras)) {
    jpeg_destroy_decompress(&cinfo);
    return std::nullopt;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(fajl.data()),
               static_cast<unsigned long>(fajl.size()));
  jpeg_read_header(&cinfo, TRUE);
  // The header first: a forged size is refused before anything is allocated.
  if (!MeretRendben(cinfo.image_width, cinfo.image_height)) ERREXIT(&cinfo, JERR_IMAGE_TOO_BIG);
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  // A large picture is scaled in the decoder (M/8 of its size), the rest after it.
  cinfo.scale_denom = 8;
  for (cinfo.scale_num = 8;; --cinfo.scale_num) {
    jpeg_calc_output_dimensions(&cinfo);
    if (cinfo.scale_num == 1 ||
        static_cast<std::int64_t>(cinfo.output_width) * cinfo.output_height <= maxKeppont)
      break;
  }
  jpeg_start_decompress(&cinfo);
  const int w = static_cast<int>(cinfo.output_width);
  TLeskalazo& kimenet = leskalazo->emplace(w, static_cast<int>(cinfo.output_height), maxKeppont);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW sor = kimenet.Sor();
    jpeg_read_scanlines(&cinfo, &sor, 1);
    // Adobe's CMYK is stored inverted: each byte is 255 minus the ink.
    if (cmyk) {
      for (int x = 0; x < w; ++x) {
        std::uint8_t* p = sor + x * 4;
        const unsigned k = p[3];
        for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(p[c] * k / 255);
        p[3] = 255;
      }
    }
    kimenet.Kesz();
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return std::move(kimenet).Eredmeny();
}

std::optional<TKepAdat> BmpBeolvasas(std::string_view s, std::int64_t maxKeppont) {
  if (s.size() < 26 || s[0] != 'B' || s[1] != 'M') return std::nullopt;
  const std::uint32_t adatKezdet = Olvas32(s, 10);
  const std::uint32_t fejMeret = Olvas32(s, 14);
  if (fejMeret != 12 && (fejMeret < 40 || fejMeret > 124)) return std::nullopt;
  if (s.size() < 14 + static_cast<size_t>(fejMeret)) return std::nullopt;
  std::int64_t w, h;
  unsigned bitek, tomorites = 0, szinek = 0;
  if (fejMeret == 12) {
    w = Olvas16(s, 18);
    h = static_cast<std::int16_t>(Olvas16(s, 20));
    bitek = Olvas16(s, 24);
  } else {
    w = static_cast<std::int32_t>(Olvas32(s, 18));
    h = static_cast<std::int32_t>(Olvas32(s, 22));
    bitek = Olvas16(s, 28);
    tomorites = Olvas32(s, 30);
    szinek = Olvas32(s, 46);
  }
  const bool fentrolLe = h < 0;
  if (fentrolLe) h = -h;
  if (!MeretRendben(w, h)) return std::nullopt;

  std::uint32_t maszk[3] = {0, 0, 0};
  if (tomorites == 3 && (bitek == 16 || bitek == 32)) {
    // The masks follow a 40-byte header, or sit inside a longer one.
    if (s.size() < 14 + 40 + 12) return std::nullopt;
    for (int i = 0; i < 3; ++i) maszk[i] = Olvas32(s, 54 + 4 * i);
  } else if (tomorites == 0 && bitek == 16) {
    maszk[0] = 0x7C00, maszk[1] = 0x03E0, maszk[2] = 0x001F;
  } else if (tomorites != 0 ||
             (bitek != 1 && bitek != 4 && bitek != 8 && bitek != 24 && bitek != 32)) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> paletta;
  if (bitek <= 8) {
    const size_t elemMeret = fejMeret == 12 ? 3 : 4;
    const size_t db = szinek && szinek <= (1u << bitek) ? szinek : (1u << bitek);
    const size_t kezdet = 14 + fejMeret;
    for (size_t i = 0; i < db && kezdet + (i + 1) * elemMeret <= s.size(); ++i) {
      const size_t p = kezdet + i * elemMeret;
      paletta.push_back(static_cast<std::uint8_t>(s[p]) |
                        static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[p + 1])) << 8 |
                        static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[p + 2])) << 16);
    }
    paletta.resize(1u << bitek, 0);
  }

  const size_t sorhossz = ((static_cast<size_t>(w) * bitek + 31) / 32) * 4;
  if (adatKezdet > s.size() || (s.size() - adatKezdet) / sorhossz < static_cast<size_t>(h))
    return std::nullopt;
  TLeskalazo leskalazo(static_cast<int>(w), static_cast<int>(h), maxKeppont);
  for (std::int64_t y = 0; y < h; ++y) {
    const std::string_view sor =
        s.substr(adatKezdet + static_cast<size_t>(fentrolLe ? y : h - 1 - y) * sorhossz, sorhossz);
    std::uint8_t* ki = leskalazo.Sor();
    for (std::int64_t x = 0; x < w; ++x, ki += 4) {
      std::uint32_t bgr;  // 0x00RRGGBB
      if (bitek <= 8) {
        const size_t bit = static_cast<size_t>(x) * bitek;
        const unsigned bajt = static_cast<std::uint8_t>(sor[bit / 8]);
        const unsigned index = (bajt >> (8 - bitek - bit % 8)) & ((1u << bitek) - 1);
        bgr = paletta[index];
      } else if (bitek == 24) {
        bgr = Olvas16(sor, x * 3) |
              static_cast<std::uint32_t>(static_cast<std::uint8_t>(sor[x * 3 + 2])) << 16;
      } else {
        const std::uint32_t v = bitek == 16 ? Olvas16(sor, x * 2) : Olvas32(sor, x * 4);
        bgr = maszk[0] ? static_cast<std::uint32_t>(Maszkolt(v, maszk[0])) << 16 |
                             static_cast<std::uint32_t>(Maszkolt(v, maszk[1])) << 8 |
                             Maszkolt(v, maszk[2])
                       : v & 0xFFFFFF;
      }
      ki[0] = static_cast<std::uint8_t>(bgr >> 16);
      ki[1] = static_cast<std::uint8_t>(bgr >> 8);
      ki[2] = static_cast<std::uint8_t>(bgr);
      ki[3] = 255;
    }
    leskalazo.Kesz();
  }
  return std::move(leskalazo).Eredmeny();
}

std::optional<TKepfajta> KepfajtaKiterjesztesbol(std::string_view utvonal) {
  const std::string k = Kiterjesztes(utvonal);
  if (k == ".png") return TKepfajta::PNG;
  if (k == ".jpg" || k == ".jpeg") return TKepfajta::JPG;
  if (k == ".bmp") return TKepfajta::BMP;
  return std::nullopt;
}

std::optional<TKepAdat> HatterFajlBeolvasas(const std::string& utvonal) {
  const std::optional<TKepfajta> fajta = KepfajtaKiterjesztesbol(utvonal);
  if (!fajta) return std::nullopt;
  std::string fajl;
  if (!platform::ReadFile(utvonal, kMaxHatterFajl, fajl).ok()) return std::nullopt;
  switch (*fajta) {
    case TKepfajta::PNG:
      return PngBeolvasas(fajl, kMaxHatterKeppont);
    case TKepfajta::JPG:
      return JpegBeolvasas(fajl, kMaxHatterKeppont);
    case TKepfajta::BMP:
      return BmpBeolvasas(fajl, kMaxHatterKeppont);
  }
  return std::nullopt;
}

platform::Status KepMentese(const std::string& utvonal, TKepfajta fajta, const TKepSorok& kep,
                            std::optional<std::uint32_t> atlatszo) {
  return platform::ReplaceFileWith(utvonal, [&](std::FILE* f) -> platform::Status {
    const std::string ok = fajta == TKepfajta::PNG   ? PngIras(f, kep, atlatszo)
                           : fajta == TKepfajta::JPG ? JpegIras(f, kep)
                                                     : BmpIras(f, kep);
    return ok.empty() ? platform::Status() : platform::Status::Error(ok);
  });
}
