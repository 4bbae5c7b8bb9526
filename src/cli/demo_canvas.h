// A small 8-bit drawing canvas for the demo art: pixels top-down, index 0 transparent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vyr::demo {

// Deterministic 32-bit hash of a few integers; the art's only source of "noise".
uint32_t Hash(int32_t a, int32_t b, int32_t seed);

class DemoCanvas {
 public:
  DemoCanvas() = default;
  DemoCanvas(int32_t width, int32_t height, uint8_t fill = 0);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  const std::vector<uint8_t>& Pixels() const { return m_pixels; }

  // Pixel access; reads outside give 0 and writes outside are dropped.
  uint8_t Get(int32_t x, int32_t y) const;
  void Set(int32_t x, int32_t y, uint8_t colour);

  void Fill(uint8_t colour);
  void FillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour);
  // Filled ellipse with centre (cx, cy) and radii (rx, ry), in half-pixel precision.
  void FillEllipse(double cx, double cy, double rx, double ry, uint8_t colour);
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour);
  // The sub-rectangle at (x, y) as a canvas of its own.
  DemoCanvas Crop(int32_t x, int32_t y, int32_t width, int32_t height) const;
  // Draws `text` (digits, capitals and a few signs) with a 3 x 5 font; returns the width used.
  int32_t Text(int32_t x, int32_t y, const std::string& text, uint8_t colour);

 private:
  int32_t m_width = 0;
  int32_t m_height = 0;
  std::vector<uint8_t> m_pixels;
};

}  // namespace vyr::demo
