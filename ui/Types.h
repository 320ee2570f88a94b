// Small value types shared by the framework: rectangles, colours, events.
#pragma once

#include <cstdint>
#include <functional>

namespace kv::ui {

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Left and top included, right and bottom excluded.
struct TRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return TRect{left, top, left + width, top + height};
}

// 0x00BBGGRR, or a system colour: top bit set, index in the low byte.
using TColor = uint32_t;
constexpr TColor kSysColorFlag = 0x80000000u;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = kSysColorFlag | 0;
constexpr TColor clWindow = kSysColorFlag | 5;
constexpr TColor clWindowText = kSysColorFlag | 8;
constexpr TColor clHighlight = kSysColorFlag | 13;
constexpr TColor clBtnFace = kSysColorFlag | 15;
constexpr TColor clBtnShadow = kSysColorFlag | 16;
constexpr TColor clGrayText = kSysColorFlag | 17;
constexpr TColor clBtnText = kSysColorFlag | 18;
constexpr TColor clBtnHighlight = kSysColorFlag | 20;

} // namespace kv::ui
