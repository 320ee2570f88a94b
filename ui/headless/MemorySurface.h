// A 32-bit pixel buffer (0x00BBGGRR per pixel, row after row) for headless
// painting. Text is not drawn as glyphs: it is measured with fixed metrics
// (a cell of |Height| / 2 + 1 pixels wide per character, |Height| + 2 high)
// and marked by a one-pixel line under the text, so that placement shows;
// an opaque background fills the text's cell. DrawText lays the marker out
// as the system lays out text (centred with integer division, clipped to the
// rectangle, "&" prefixes removed before measuring). The focus rectangle
// inverts every other pixel of the outline, starting at the top-left corner.
#pragma once

#include <vector>

#include "ui/Canvas.h"

namespace kv::ui::headless {

// A text as drawn: where its top-left corner went, and what it said.
struct DrawnText {
    int32_t x = 0, y = 0;
    std::u16string text;
    bool operator==(const DrawnText&) const = default;
};

class MemorySurface : public CanvasSurface {
public:
    MemorySurface(int32_t width, int32_t height);
    void Resize(int32_t width, int32_t height);

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    uint32_t Pixel(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, uint32_t rgb) override;
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb) override;
    void FillRect(const TRect& rect, uint32_t rgb) override;
    void TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb,
                 std::optional<uint32_t> background) override;
    TSize TextExtent(const std::u16string& text, const TFont& font) override;
    void DrawText(const std::u16string& text, const TRect& rect, uint32_t flags, const TFont& font,
                  uint32_t rgb) override;
    void DrawFocusRect(const TRect& rect) override;

    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    // Every text drawn since the surface was made or resized, in order (for
    // DrawText, with the access-key prefixes removed).
    const std::vector<DrawnText>& Texts() const { return texts_; }

private:
    std::vector<DrawnText> texts_;
    int32_t width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

} // namespace kv::ui::headless
