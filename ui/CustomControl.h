// TCustomControl: a windowed control that paints itself on its Canvas.
#pragma once

#include "ui/Canvas.h"
#include "ui/WinControl.h"

namespace kv::ui {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner, WindowKind::Custom) {}

    TCanvas& Canvas() { return canvas_; }
    // Asks for a repaint (the headless backend paints at once).
    void Invalidate();
    // Repaints now (the headless backend paints at once either way).
    void Repaint();
    // Called by the backend with the surface to paint on.
    void PaintOn(CanvasSurface& surface);
    // False: a double click arrives as a second single click.
    bool DoubleClicks() const { return doubleClicks_; }

protected:
    void SetDoubleClicks(bool on) { doubleClicks_ = on; }

protected:
    // Paints the whole control; the default fills it with Color.
    virtual void Paint();

private:
    TCanvas canvas_;
    bool doubleClicks_ = true;
};

} // namespace kv::ui
