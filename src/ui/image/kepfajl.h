#pragma once
// Picture files: background pictures read from PNG, JPEG and BMP, and the
// finished picture saved as PNG, JPEG or BMP. No Qt: libpng, libjpeg, zlib and
// our own BMP code. Saving is atomic: the picture is written to a temporary
// file beside the target and renamed over it, so a failure leaves no partial
// file and an existing file as it was.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TKepfajta { PNG = 1, JPG = 2, BMP = 3 };

// A decoded picture: 8-bit RGBA rows, top row first, no padding.
struct TKepAdat {
  int Szelesseg = 0;
  int Magassag = 0;
  std::vector<std::uint8_t> Rgba;
};

// The largest picture the readers accept (each side, and in all), so that a
// forged header cannot ask for more memory than a real picture could need.
inline constexpr int kMaxOldal = 30000;
inline constexpr std::int64_t kMaxKeppont = 200'000'000;

// Decoders of whole files held in memory; nullopt for anything they cannot
// read, a picture of zero width or height included.
std::optional<TKepAdat> PngBeolvasas(std::string_view fajl);
std::optional<TKepAdat> JpegBeolvasas(std::string_view fajl);
std::optional<TKepAdat> BmpBeolvasas(std::string_view fajl);

// A background picture file, decoded by its extension (any letter case):
// ".png", ".jpg"/".jpeg", ".bmp". nullopt for any other extension or a file
// that cannot be read or decoded.
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

// The outcome of a save: empty Hiba on success, else a message naming the file
// and the system's reason.
struct TMentesEredmeny {
  std::string Hiba;
  bool Siker() const { return Hiba.empty(); }
};

// Saves `kep`: PNG as 8-bit RGB at zlib level 9, with `atlatszo` (0xRRGGBB)
// as its one transparent colour when given; JPEG at quality 100 without chroma
// subsampling; BMP as a 24-bit bottom-up bitmap.
TMentesEredmeny KepMentese(const std::string& utvonal, TKepfajta fajta, const TKepSorok& kep,
                           std::optional<std::uint32_t> atlatszo = std::nullopt);
