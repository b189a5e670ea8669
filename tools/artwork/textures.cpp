// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

// Integer hash -> [0, 1): the lattice values of the noise.
double Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
               seed * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise in [0, 1).
double Noise(double x, double y, uint32_t seed) {
  const int xi = int(std::floor(x)), yi = int(std::floor(y));
  const double fx = Smooth(x - xi), fy = Smooth(y - yi);
  const double a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed);
  const double c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
  return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

// Fractal sum of octaves, in [0, 1).
double Fbm(double x, double y, int octaves, uint32_t seed) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + i * 101);
    norm += amp;
    amp *= 0.5;
    x *= 2.03;
    y *= 2.03;
  }
  return sum / norm;
}

QRgb Mix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return qRgb(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
              int(a.blue() + (b.blue() - a.blue()) * t));
}

QRgb Shade(QRgb c, double f) {
  auto ch = [f](int v) { return std::clamp(int(v * f), 0, 255); };
  return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

}  // namespace

QImage Fa(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  const QColor light(214, 164, 106), dark(133, 82, 42);
  const int plank = 90;  // planks run horizontally
  for (int y = 0; y < height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const int p = y / plank;
    const double py = (y % plank) / double(plank);
    for (int x = 0; x < width; ++x) {
      const double xs = x + p * 1733.0;  // every plank its own stretch of the log
      // Growth rings: stretched along the plank, bent by low-frequency noise.
      const double warp = Fbm(xs / 260.0, py * 1.5 + p * 7, 4, 11) * 9.0;
      double ring = py * 6.0 + warp;
      // A knot: rings swirl around a point in some planks.
      const double kx = (Hash(p, 0, 5) * 0.8 + 0.1) * width, ky = plank * 0.5;
      const double dx = (x - kx) / 22.0, dy = ((y % plank) - ky) / 9.0;
      const double knot = std::exp(-(dx * dx + dy * dy) / 6.0) * (p % 2 ? 1.0 : 0.0);
      ring += knot * 3.0 + std::sqrt(dx * dx + dy * dy) * knot;
      const double r = ring - std::floor(ring);
      const double band = std::pow(std::sin(r * M_PI), 6.0);
      const double fibre = Fbm(xs / 3.0, y / 0.7, 2, 23);
      double t = 0.25 + 0.45 * band + 0.3 * (fibre - 0.5) + 0.25 * knot;
      t += (Hash(p, 1, 9) - 0.5) * 0.25;  // planks differ in tone
      QRgb c = Mix(light, dark, t);
      if (y % plank < 2) c = Shade(c, 0.55);  // the gap between planks
      line[x] = c;
    }
  }
  return img;
}

QImage Papiros(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  const QColor base(243, 234, 212), stain(222, 205, 168);
  for (int y = 0; y < height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double cloud = Fbm(x / 180.0, y / 180.0, 5, 31);
      const double fibre = Fbm(x / 9.0, y / 2.2, 3, 37) - 0.5;
      const double fibre2 = Fbm(x / 2.5, y / 11.0, 3, 41) - 0.5;
      const double grain = Hash(x, y, 43) - 0.5;
      // Darker, aged border.
      const double ex = std::min(x, width - 1 - x) / 70.0, ey = std::min(y, height - 1 - y) / 70.0;
      const double edge = 1.0 - std::clamp(std::min(ex, ey), 0.0, 1.0);
      const double t = std::max(0.0, cloud - 0.45) * 1.6 + edge * edge * 0.55;
      QRgb c = Mix(base, stain, t);
      c = Shade(c, 1.0 + 0.05 * fibre + 0.04 * fibre2 + 0.025 * grain);
      line[x] = c;
    }
  }
  return img;
}

QImage Ko(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  const QColor light(176, 172, 164), dark(98, 96, 92), vein(226, 224, 218);
  const int bevel = 16;
  for (int y = 0; y < height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double body = Fbm(x / 140.0, y / 140.0, 6, 51);
      const double fleck = Hash(x, y, 53);
      // Veins: thin bright lines where a warped sine crosses zero.
      const double turb = Fbm(x / 220.0, y / 220.0, 5, 57) * 4.0;
      const double v = std::abs(std::sin((x * 0.6 + y * 0.8) / 85.0 + turb));
      const double veinAmt = std::pow(1.0 - v, 40.0) * 0.55;
      const double turb2 = Fbm(x / 150.0, y / 150.0, 4, 59) * 3.0;
      const double v2 = std::abs(std::sin((x * -0.7 + y * 0.3) / 50.0 + turb2));
      const double veinAmt2 = std::pow(1.0 - v2, 60.0) * 0.35;
      QRgb c = Mix(light, dark, 0.2 + body * 0.8 - 0.35);
      c = Mix(QColor(c), vein, std::max(veinAmt, veinAmt2));
      if (fleck > 0.985) c = Shade(c, 0.7);
      if (fleck < 0.01) c = Shade(c, 1.2);
      // Chiselled edge: lit from the top left.
      const int dl = x, dt = y, dr = width - 1 - x, db = height - 1 - y;
      const int d = std::min({dl, dt, dr, db});
      if (d < bevel) {
        const bool lit = (d == dl || d == dt) && !(d == dr || d == db);
        const double rough = 0.9 + 0.2 * Noise(x / 3.0, y / 3.0, 61);
        c = Shade(c, (lit ? 1.25 : 0.68) * rough);
      }
      line[x] = c;
    }
  }
  return img;
}

}  // namespace artwork
