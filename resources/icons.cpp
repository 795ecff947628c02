#include "resources/icons.h"

#include <cmath>
#include <optional>

namespace vb::res {
namespace {

struct Colour {
  std::uint8_t r, g, b;
};

constexpr Colour kWaveColour{0xFF, 0xD0, 0x20};
constexpr Colour kMastColour{0xC8, 0xC8, 0xD0};
constexpr Colour kDotColour{0xFF, 0x30, 0x30};
constexpr Colour kArrowColour{0x30, 0xE0, 0x60};

// Points are in the unit square, y downwards.
bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx,
                double cy) {
  const auto side = [&](double px, double py, double qx, double qy) {
    return (qx - px) * (y - py) - (qy - py) * (x - px);
  };
  const double d1 = side(ax, ay, bx, by);
  const double d2 = side(bx, by, cx, cy);
  const double d3 = side(cx, cy, ax, ay);
  return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
}

// A mast with a red beacon that sends waves to both sides.
std::optional<Colour> Broadcast(double x, double y) {
  constexpr double kCx = 0.5, kCy = 0.36;
  const double dx = x - kCx, dy = y - kCy;
  const double r = std::hypot(dx, dy);
  if (r <= 0.10) return kDotColour;
  if (InTriangle(x, y, 0.5, 0.40, 0.28, 0.97, 0.72, 0.97)) return kMastColour;
  const bool sideways = std::abs(dy) < std::abs(dx) * 0.9;
  if (sideways && ((r >= 0.19 && r <= 0.27) || (r >= 0.35 && r <= 0.44))) return kWaveColour;
  return std::nullopt;
}

std::optional<Colour> LeftArrow(double x, double y) {
  if (InTriangle(x, y, 0.08, 0.5, 0.56, 0.14, 0.56, 0.86)) return kArrowColour;
  if (x >= 0.5 && x <= 0.92 && y >= 0.37 && y <= 0.63) return kArrowColour;
  return std::nullopt;
}

std::optional<Colour> Shape(int iconId, double x, double y) {
  switch (iconId) {
    case ids::IDI_BROADCAST:
      return Broadcast(x, y);
    case ids::IDI_PREV:
      return LeftArrow(x, y);
    case ids::IDI_NEXT:
      return LeftArrow(1.0 - x, y);
    default:
      return std::nullopt;
  }
}

bool KnownIcon(int iconId) {
  for (int id : kIconIds) {
    if (id == iconId) return true;
  }
  return false;
}

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// One image of an .ico file: a BITMAPINFOHEADER, the colour rows bottom-up in BGRA and the
// transparency mask, whose rows are padded to four bytes.
std::string IcoImage(const IconImage& image) {
  const int n = image.size;
  const int maskRow = ((n + 31) / 32) * 4;
  std::string out;
  PutLe(out, 40, 4);
  PutLe(out, n, 4);
  PutLe(out, 2 * n, 4);
  PutLe(out, 1, 2);
  PutLe(out, 32, 2);
  PutLe(out, 0, 4);
  PutLe(out, n * n * 4 + maskRow * n, 4);
  out.append(16, '\0');  // resolution and palette: unused
  for (int row = n - 1; row >= 0; --row) {
    for (int col = 0; col < n; ++col) {
      const std::uint8_t* p = &image.rgba[(row * n + col) * 4];
      out += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]),
              static_cast<char>(p[3])};
    }
  }
  for (int row = n - 1; row >= 0; --row) {
    std::string bits(maskRow, '\0');
    for (int col = 0; col < n; ++col) {
      if (image.rgba[(row * n + col) * 4 + 3] == 0)
        bits[col / 8] |= static_cast<char>(0x80 >> (col % 8));
    }
    out += bits;
  }
  return out;
}

}  // namespace

IconImage DrawIcon(int iconId, int size) {
  if (!KnownIcon(iconId) || size < 1 || size > 256) return {};
  constexpr int kSamples = 4;  // per axis, for smooth edges
  IconImage image{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col) {
      int hits = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (col + (sx + 0.5) / kSamples) / size;
          const double y = (row + (sy + 0.5) / kSamples) / size;
          if (const auto colour = Shape(iconId, x, y)) {
            ++hits;
            r += colour->r;
            g += colour->g;
            b += colour->b;
          }
        }
      }
      std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(row) * size + col) * 4];
      if (hits == 0) continue;
      p[0] = static_cast<std::uint8_t>(r / hits);
      p[1] = static_cast<std::uint8_t>(g / hits);
      p[2] = static_cast<std::uint8_t>(b / hits);
      p[3] = static_cast<std::uint8_t>(hits * 255 / (kSamples * kSamples));
    }
  }
  return image;
}

std::string IcoFile(int iconId) {
  if (!KnownIcon(iconId)) return {};
  std::string directory, images;
  PutLe(directory, 0, 2);
  PutLe(directory, 1, 2);
  PutLe(directory, std::size(kIconSizes), 2);
  const std::size_t firstImage = 6 + 16 * std::size(kIconSizes);
  for (int size : kIconSizes) {
    const std::string image = IcoImage(DrawIcon(iconId, size));
    directory.push_back(static_cast<char>(size));
    directory.push_back(static_cast<char>(size));
    PutLe(directory, 0, 2);  // no palette, reserved
    PutLe(directory, 1, 2);
    PutLe(directory, 32, 2);
    PutLe(directory, static_cast<std::uint32_t>(image.size()), 4);
    PutLe(directory, static_cast<std::uint32_t>(firstImage + images.size()), 4);
    images += image;
  }
  return directory + images;
}

}  // namespace vb::res
