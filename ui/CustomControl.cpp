#include "ui/CustomControl.h"

namespace kv::ui {

void TCustomControl::Invalidate()
{
    if (Peer())
        Peer()->Invalidate();
}

void TCustomControl::Repaint()
{
    if (Peer())
        Peer()->Repaint();
}

void TCustomControl::PaintOn(CanvasSurface& surface)
{
    canvas_.Attach(&surface);
    canvas_.Font = Font();
    Paint();
    canvas_.Attach(nullptr);
}

void TCustomControl::Paint()
{
    canvas_.Brush.Color = Color();
    canvas_.FillRect(ClientRect());
}

} // namespace kv::ui
