// TCanvas: pen, brush and font over a drawing surface that the backend
// provides (a window's device context, or a headless 32-bit pixel buffer).
#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "ui/Font.h"
#include "ui/Types.h"

namespace kv::ui {

struct TSize {
    int32_t cx = 0, cy = 0;
    bool operator==(const TSize&) const = default;
};

struct TPoint {
    int32_t X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Text layout flags of DrawText (the values of the system's DT_* flags).
namespace text_flags {
constexpr uint32_t kCenter = 0x01;
constexpr uint32_t kVCenter = 0x04;
constexpr uint32_t kSingleLine = 0x20;
} // namespace text_flags

// Colours here are RGB (0x00BBGGRR); the canvas resolves system colours first.
class CanvasSurface {
public:
    virtual ~CanvasSurface() = default;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // 0 outside the surface.
    virtual uint32_t Pixel(int32_t x, int32_t y) const = 0;
    virtual void SetPixel(int32_t x, int32_t y, uint32_t rgb) = 0;
    // Covers the start point, not the end point.
    virtual void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb) = 0;
    // Right and bottom edges excluded.
    virtual void FillRect(const TRect& rect, uint32_t rgb) = 0;
    // Text with its top-left corner at (x, y); the background is left alone
    // unless a background colour is given.
    virtual void TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb,
                         std::optional<uint32_t> background) = 0;
    virtual TSize TextExtent(const std::u16string& text, const TFont& font) = 0;
    // The system's text layout into rect (text_flags), transparent background;
    // "&" marks the next character as the access key, "&&" is one ampersand.
    virtual void DrawText(const std::u16string& text, const TRect& rect, uint32_t flags, const TFont& font,
                          uint32_t rgb) = 0;
    // The system's dotted focus rectangle, drawn by inverting pixels.
    virtual void DrawFocusRect(const TRect& rect) = 0;
};

// An off-screen surface of the backend's kind.
std::unique_ptr<CanvasSurface> CreateBitmapSurface(int32_t width, int32_t height);

struct TPen {
    TColor Color = clBlack;
    int32_t Width = 1; // lines are always one pixel wide
};

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    // bsClear: text is drawn on a transparent background.
    TBrushStyle Style = TBrushStyle::bsSolid;
};

class TBitmap;

class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;

    // The surface drawn on; the canvas does not own it. Drawing without one does nothing.
    void Attach(CanvasSurface* surface) { surface_ = surface; }
    CanvasSurface* Surface() const { return surface_; }

    uint32_t Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, TColor color);
    void MoveTo(int32_t x, int32_t y) { penX_ = x; penY_ = y; }
    void LineTo(int32_t x, int32_t y);
    // Lines from point to point in the pen colour: every corner is covered,
    // the last end point is not.
    void Polyline(std::initializer_list<TPoint> points);
    void FillRect(const TRect& rect);
    // A one-pixel outline of rect in the brush colour.
    void FrameRect(const TRect& rect);
    void DrawFocusRect(const TRect& rect);
    // In the font colour; on a background of the brush colour unless the brush is bsClear.
    void TextOut(int32_t x, int32_t y, const std::u16string& text);
    TSize TextExtent(const std::u16string& text) const;
    int32_t TextWidth(const std::u16string& text) const;
    int32_t TextHeight(const std::u16string& text) const;
    // In the font colour, on a transparent background.
    void DrawText(const std::u16string& text, const TRect& rect, uint32_t flags);
    // The picture with its top-left corner at (x, y). A transparent picture
    // leaves out every pixel of the colour of its bottom-left pixel.
    void Draw(int32_t x, int32_t y, const TBitmap& picture);

private:
    CanvasSurface* surface_ = nullptr;
    int32_t penX_ = 0, penY_ = 0;
};

// TBitmap: an off-screen picture with its own canvas. Empty until sized.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap& other) { Assign(other); }
    TBitmap& operator=(const TBitmap& other)
    {
        if (this != &other)
            Assign(other);
        return *this;
    }

    int32_t Width() const { return surface_ ? surface_->Width() : 0; }
    int32_t Height() const { return surface_ ? surface_->Height() : 0; }
    bool Empty() const { return Width() == 0 || Height() == 0; }
    // Makes a fresh picture of that size (contents black).
    void SetSize(int32_t width, int32_t height);
    // Bits per pixel the picture claims; the pixels are kept as RGB either way.
    int32_t PixelBits() const { return pixelBits_; }
    void SetPixelBits(int32_t bits) { pixelBits_ = bits; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    // A copy of the other's pixels, size and flags (an empty one empties this).
    void Assign(const TBitmap& other);
    // Back to an empty picture.
    void Clear();
    TCanvas& Canvas() { return canvas_; }
    uint32_t Pixel(int32_t x, int32_t y) const { return surface_ ? surface_->Pixel(x, y) : 0; }

private:
    std::unique_ptr<CanvasSurface> surface_;
    TCanvas canvas_;
    int32_t pixelBits_ = 32;
    bool transparent_ = false;
};

} // namespace kv::ui
