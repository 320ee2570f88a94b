// TCanvas: pen, brush and font over a drawing surface that the backend
// provides (a window's device context, or a headless 32-bit pixel buffer).
#pragma once

#include <memory>
#include <string>

#include "ui/Font.h"
#include "ui/Types.h"

namespace kv::ui {

struct TSize {
    int32_t cx = 0, cy = 0;
};

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
    // Text with a transparent background.
    virtual void TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb) = 0;
    virtual TSize TextExtent(const std::u16string& text, const TFont& font) = 0;
};

// An off-screen surface of the backend's kind.
std::unique_ptr<CanvasSurface> CreateBitmapSurface(int32_t width, int32_t height);

struct TPen {
    TColor Color = clBlack;
};
struct TBrush {
    TColor Color = clWhite;
};

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
    void FillRect(const TRect& rect);
    void TextOut(int32_t x, int32_t y, const std::u16string& text);
    int32_t TextWidth(const std::u16string& text) const;
    int32_t TextHeight(const std::u16string& text) const;

private:
    CanvasSurface* surface_ = nullptr;
    int32_t penX_ = 0, penY_ = 0;
};

// TBitmap: an off-screen picture with its own canvas.
class TBitmap {
public:
    int32_t Width() const { return surface_ ? surface_->Width() : 0; }
    int32_t Height() const { return surface_ ? surface_->Height() : 0; }
    // Makes a fresh picture of that size (contents black).
    void SetSize(int32_t width, int32_t height);
    TCanvas& Canvas() { return canvas_; }

private:
    std::unique_ptr<CanvasSurface> surface_;
    TCanvas canvas_;
};

} // namespace kv::ui
