// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture files: background pictures read from PNG, JPEG and BMP, and the
// finished picture saved as PNG, JPEG or BMP. No Qt: libpng, libjpeg, zlib and
// our own BMP code. Saving is atomic (platform/fajl.h): a failure leaves no
// partial file and an existing file as it was.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

enum class TKepfajta { PNG = 1, JPG = 2, BMP = 3 };

// A decoded picture: 8-bit RGBA rows, top row first, no padding.
struct TKepAdat {
  int Szelesseg = 0;
  int Magassag = 0;
  std::vector<std::uint8_t> Rgba;
};

// The largest picture the readers accept (each side, and in all, as the
// header states it): a 48-megapixel photograph passes, while a forged header
// (a few bytes claiming 14000 x 14000) is refused before anything is decoded.
inline constexpr int kMaxOldal = 30000;
inline constexpr std::int64_t kMaxKeppont = 64'000'000;
// A background larger than this is scaled down while it is decoded (JPEG in
// the decoder itself), keeping its proportions: a picture that shows it
// whole is then still 4096 x 4096 pixels or more.
inline constexpr std::int64_t kMaxHatterKeppont = 16'777'216;
// The largest background file read.
inline constexpr std::size_t kMaxHatterFajl = std::size_t{256} << 20;

// Decoders of whole files held in memory; nullopt for anything they cannot
// read, a picture of zero width or height, a header over the limits above and
// a file that ends before its picture does included. A picture of more than
// `maxKeppont` pixels comes out scaled down to at most that many.
std::optional<TKepAdat> PngBeolvasas(std::string_view fajl, std::int64_t maxKeppont = kMaxKeppont);
std::optional<TKepAdat> JpegBeolvasas(std::string_view fajl, std::int64_t maxKeppont = kMaxKeppont);
std::optional<TKepAdat> BmpBeolvasas(std::string_view fajl, std::int64_t maxKeppont = kMaxKeppont);

// A background picture file, decoded by its extension (any letter case):
// ".png", ".jpg"/".jpeg", ".bmp", scaled to at most kMaxHatterKeppont pixels.
// nullopt for any other extension or a file that cannot be read or decoded
// (a FIFO or a file over kMaxHatterFajl bytes included).
std::optional<TKepAdat> HatterFajlBeolvasas(const std::string& utvonal);

// The format of a file name's extension (".png", ".jpg", ".jpeg", ".bmp", any
// letter case), nullopt for any other.
std::optional<TKepfajta> KepfajtaKiterjesztesbol(std::string_view utvonal);

// A picture to save: 8-bit RGB rows (R, G, B bytes), top row first.
struct TKepSorok {
  int Szelesseg = 0;
  int Magassag = 0;
  const std::uint8_t* Adat = nullptr;
  std::size_t Sorhossz = 0;  // bytes from one row to the next
};

// Saves `kep`: PNG as 8-bit RGB at zlib level 9, with `atlatszo` (0xRRGGBB)
// as its one transparent colour when given; JPEG at quality 100 without chroma
// subsampling; BMP as a 24-bit bottom-up bitmap.
// The file is written through platform::ReplaceFileWith (platform/fajl.h):
// atomically, a link's target replaced, a failure's message naming the file.
platform::Status KepMentese(const std::string& utvonal, TKepfajta fajta, const TKepSorok& kep,
                            std::optional<std::uint32_t> atlatszo = std::nullopt);
