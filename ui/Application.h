// TApplication: the library's application object. It owns the forms, knows the
// host's main window (the owner of every window and message box of the
// library) and processes the thread's pending messages.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Component.h"

namespace kv::ui {

class TApplication : public TComponent {
public:
    TApplication();

    void* OwnerWindow() const { return ownerWindow_; }
    void SetOwnerWindow(void* window) { ownerWindow_ = window; }

    // Dispatches every pending message of the thread (and, headless, runs posted work).
    void ProcessMessages();
    // True once ProcessMessages has met a quit message: the host is closing.
    // The message stays queued for the host's own loop, so a wait that wakes
    // for messages would wake at once from then on.
    bool Terminated() const { return terminated_; }
    // A modal message box, owned by the thread's active window or else by the
    // owner window's last active pop-up; returns the identifier of the button
    // that closed it. Text first, then caption, as the system call takes them.
    int32_t MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags);
    // Tells the owner window of a value the library shows, such as a
    // progress, so that a host driving the library through its windows can
    // follow what a windowless control paints. On Windows a message
    // registered under the name, with the value as its first parameter; a
    // host that does not know it ignores it. Nothing where there are no windows.
    void NotifyOwner(const char16_t* name, intptr_t value);

private:
    void* ownerWindow_ = nullptr;
    bool terminated_ = false;
};

// The process-wide application object, made on first use.
TApplication& Application();

// Backend parts of TApplication.
namespace backend {
// Makes what the backend keeps for the process (queues, window classes)
// before the application object exists, so that it is destroyed after it.
void Startup();
// True when a quit message is waiting.
bool ProcessMessages();
int32_t MessageBox(void* ownerWindow, const std::u16string& text, const std::u16string& caption, uint32_t flags);
void NotifyOwner(void* ownerWindow, const char16_t* name, intptr_t value);
} // namespace backend

} // namespace kv::ui
