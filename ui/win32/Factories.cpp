#include "ui/Form.h"
#include "ui/win32/Win32Peer.h"

namespace kv::ui {

std::unique_ptr<WindowPeer> CreateWindowPeer(TWinControl& control)
{
    return std::make_unique<win32::Win32Peer>(control);
}

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form)
{
    return std::make_unique<win32::Win32Peer>(form);
}

} // namespace kv::ui
