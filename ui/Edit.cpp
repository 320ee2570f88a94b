#include "ui/Edit.h"

namespace kv::ui {

void TCustomEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (Peer())
        Peer()->UpdateStyle();
}

WindowStyle TCustomEdit::Style() const
{
    WindowStyle style = TWinControl::Style();
    style.readOnly = readOnly_;
    return style;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner, WindowKind::Memo)
{
    // The window shows the lines; they are the memo's whole state.
    lines_.OnChange = [this] { SetText(lines_.Text()); };
    // A long log grows line by line: the window takes only the new line.
    lines_.OnAdd = [this](const std::u16string& line) {
        if (Peer())
            Peer()->AppendText(lines_.Count() > 1 ? u"\r\n" + line : line);
    };
}

void TMemo::SetScrollBars(TScrollStyle scrollBars)
{
    scrollBars_ = scrollBars;
    if (Peer())
        Peer()->UpdateStyle();
}

WindowStyle TMemo::Style() const
{
    WindowStyle style = TCustomEdit::Style();
    style.vScroll = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    style.hScroll = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    return style;
}

} // namespace kv::ui
