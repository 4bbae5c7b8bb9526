// The demo art's 8-bit drawing canvas.
#include "cli/demo_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vyr::demo {

uint32_t Hash(int32_t a, int32_t b, int32_t seed) {
  uint32_t h = uint32_t(a) * 0x9E3779B1u ^ uint32_t(b) * 0x85EBCA77u ^ uint32_t(seed) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

DemoCanvas::DemoCanvas(int32_t width, int32_t height, uint8_t fill)
    : m_width(width), m_height(height), m_pixels(size_t(width) * size_t(height), fill) {}

uint8_t DemoCanvas::Get(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
  return m_pixels[size_t(y) * size_t(m_width) + size_t(x)];
}

void DemoCanvas::Set(int32_t x, int32_t y, uint8_t colour) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = colour;
}

void DemoCanvas::Fill(uint8_t colour) { std::fill(m_pixels.begin(), m_pixels.end(), colour); }

void DemoCanvas::FillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour) {
  for (int32_t row = y; row < y + height; ++row)
    for (int32_t col = x; col < x + width; ++col) Set(col, row, colour);
}

void DemoCanvas::FillEllipse(double cx, double cy, double rx, double ry, uint8_t colour) {
  if (rx <= 0 || ry <= 0) return;
  const int32_t y0 = int32_t(std::floor(cy - ry)), y1 = int32_t(std::ceil(cy + ry));
  const int32_t x0 = int32_t(std::floor(cx - rx)), x1 = int32_t(std::ceil(cx + rx));
  for (int32_t y = y0; y <= y1; ++y) {
    for (int32_t x = x0; x <= x1; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Set(x, y, colour);
    }
  }
}

void DemoCanvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour) {
  const int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int32_t err = dx + dy;
  for (;;) {
    Set(x0, y0, colour);
    if (x0 == x1 && y0 == y1) break;
    const int32_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

DemoCanvas DemoCanvas::Crop(int32_t x, int32_t y, int32_t width, int32_t height) const {
  DemoCanvas out(width, height);
  for (int32_t row = 0; row < height; ++row)
    for (int32_t col = 0; col < width; ++col) out.Set(col, row, Get(x + col, y + row));
  return out;
}

namespace {
// Rows of a 3 x 5 glyph, three bits each (bit 2 = left column).
struct Glyph {
  char c;
  uint8_t rows[5];
};
constexpr Glyph kFont[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 3, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}},
    {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
    {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'K', {5, 5, 6, 5, 5}},
    {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}},
    {'P', {6, 5, 6, 4, 4}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'!', {2, 2, 2, 0, 2}}, {'?', {6, 1, 2, 0, 2}},
    {'>', {4, 2, 1, 2, 4}}, {'<', {1, 2, 4, 2, 1}}, {'-', {0, 0, 7, 0, 0}},
};
}  // namespace

int32_t DemoCanvas::Text(int32_t x, int32_t y, const std::string& text, uint8_t colour) {
  int32_t cursor = x;
  for (char c : text) {
    for (const Glyph& g : kFont) {
      if (g.c != c) continue;
      for (int32_t row = 0; row < 5; ++row)
        for (int32_t col = 0; col < 3; ++col)
          if (g.rows[row] & (4 >> col)) Set(cursor + col, y + row, colour);
    }
    cursor += 4;
  }
  return cursor - x;
}

}  // namespace vyr::demo
