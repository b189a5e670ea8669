#include "ui/image/kepfajl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

// libjpeg's header needs <cstdio> first.
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

namespace {

bool MeretRendben(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kMaxOldal && h <= kMaxOldal && w * h <= kMaxKeppont;
}

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

void JpegUzenet(j_common_ptr, int) {}  // warnings and traces are not shown

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

std::string Hibaok() { return errno ? std::strerror(errno) : "write error"; }

}  // namespace

std::optional<TKepAdat> PngBeolvasas(std::string_view fajl) {
  png_image kep{};
  kep.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&kep, fajl.data(), fajl.size())) return std::nullopt;
  if (!MeretRendben(kep.width, kep.height)) {
    png_image_free(&kep);
    return std::nullopt;
  }
  kep.format = PNG_FORMAT_RGBA;
  TKepAdat adat{static_cast<int>(kep.width), static_cast<int>(kep.height), {}};
  adat.Rgba.resize(PNG_IMAGE_SIZE(kep));
  if (!png_image_finish_read(&kep, nullptr, adat.Rgba.data(), 0, nullptr)) {
    png_image_free(&kep);
    return std::nullopt;
  }
  return adat;
}

std::optional<TKepAdat> JpegBeolvasas(std::string_view fajl) {
  jpeg_decompress_struct cinfo;
  TJpegHiba hiba;
  cinfo.err = jpeg_std_error(&hiba.mgr);
  hiba.mgr.error_exit = JpegHibaKilepes;
  hiba.mgr.emit_message = JpegUzenet;
  // Made before setjmp and never reassigned after it, so a longjmp leaves it intact.
  const auto adat = std::make_unique<TKepAdat>();
  if (setjmp(hiba.ugras)) {
    jpeg_destroy_decompress(&cinfo);
    return std::nullopt;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(fajl.data()),
               static_cast<unsigned long>(fajl.size()));
  jpeg_read_header(&cinfo, TRUE);
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  if (!MeretRendben(cinfo.image_width, cinfo.image_height)) ERREXIT(&cinfo, JERR_IMAGE_TOO_BIG);
  jpeg_start_decompress(&cinfo);
  adat->Szelesseg = static_cast<int>(cinfo.output_width);
  adat->Magassag = static_cast<int>(cinfo.output_height);
  adat->Rgba.resize(static_cast<size_t>(adat->Szelesseg) * adat->Magassag * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW sor =
        adat->Rgba.data() + static_cast<size_t>(cinfo.output_scanline) * adat->Szelesseg * 4;
    jpeg_read_scanlines(&cinfo, &sor, 1);
  }
  // Adobe's CMYK is stored inverted: each byte is 255 minus the ink.
  if (cmyk) {
    for (size_t i = 0; i < adat->Rgba.size(); i += 4) {
      std::uint8_t* p = &adat->Rgba[i];
      const unsigned k = p[3];
      for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(p[c] * k / 255);
      p[3] = 255;
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return std::move(*adat);
}

std::optional<TKepAdat> BmpBeolvasas(std::string_view s) {
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
  TKepAdat adat{static_cast<int>(w), static_cast<int>(h), {}};
  adat.Rgba.resize(static_cast<size_t>(w) * h * 4);
  for (std::int64_t y = 0; y < h; ++y) {
    const std::string_view sor =
        s.substr(adatKezdet + static_cast<size_t>(fentrolLe ? y : h - 1 - y) * sorhossz, sorhossz);
    std::uint8_t* ki = &adat.Rgba[static_cast<size_t>(y) * w * 4];
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
  }
  return adat;
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
  std::ifstream be(utvonal, std::ios::binary | std::ios::ate);
  if (!be) return std::nullopt;
  // No picture the readers accept needs a larger file (every pixel in 32 bits, plus headers).
  const std::streamoff meret = be.tellg();
  if (meret < 0 || meret > kMaxKeppont * 4 + (1 << 20)) return std::nullopt;
  be.seekg(0);
  const std::string fajl{std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
  if (be.bad()) return std::nullopt;
  switch (*fajta) {
    case TKepfajta::PNG:
      return PngBeolvasas(fajl);
    case TKepfajta::JPG:
      return JpegBeolvasas(fajl);
    case TKepfajta::BMP:
      return BmpBeolvasas(fajl);
  }
  return std::nullopt;
}

TMentesEredmeny KepMentese(const std::string& utvonal, TKepfajta fajta, const TKepSorok& kep,
                           std::optional<std::uint32_t> atlatszo) {
  auto Hiba = [&](const std::string& ok) {
    return TMentesEredmeny{"Cannot write file \"" + utvonal + "\". " + ok};
  };
  std::string ideiglenes = utvonal + ".XXXXXX";
  const int fd = mkstemp(ideiglenes.data());
  if (fd < 0) return Hiba(std::strerror(errno));

  // The new file gets the old one's permissions, or the usual ones of a new file.
  struct stat regi;
  if (stat(utvonal.c_str(), &regi) == 0) {
    fchmod(fd, regi.st_mode & 07777);
  } else {
    const mode_t maszk = umask(0);
    umask(maszk);
    fchmod(fd, 0666 & ~maszk);
  }

  std::FILE* f = fdopen(fd, "wb");
  if (!f) {
    const std::string ok = std::strerror(errno);
    close(fd);
    unlink(ideiglenes.c_str());
    return Hiba(ok);
  }
  errno = 0;
  std::string ok = fajta == TKepfajta::PNG   ? PngIras(f, kep, atlatszo)
                   : fajta == TKepfajta::JPG ? JpegIras(f, kep)
                                             : BmpIras(f, kep);
  if (ok.empty() && (std::fflush(f) != 0 || std::ferror(f) || fsync(fileno(f)) != 0))
    ok = Hibaok();
  else if (!ok.empty() && errno)
    ok = std::strerror(errno);  // the system's reason behind the library's
  if (std::fclose(f) != 0 && ok.empty()) ok = Hibaok();
  if (ok.empty() && std::rename(ideiglenes.c_str(), utvonal.c_str()) != 0)
    ok = std::strerror(errno);
  if (!ok.empty()) {
    unlink(ideiglenes.c_str());
    return Hiba(ok);
  }
  return {};
}
