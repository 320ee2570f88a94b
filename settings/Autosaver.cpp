// The process-wide autosaver. Constant-initialised, so it exists before any
// code of the library runs (in the plug-in and in a program that links the
// library statically alike); its destructor is registered when the library
// is loaded, before the application object (made on first use) registers
// its own, so it is destroyed after the dialogs, which use it to the last.
#include "settings/LibAutosave.h"

namespace kv {
namespace {
constinit TAutosaver gAutosaver;
} // namespace

TAutosaver* const Autosaver = &gAutosaver;

} // namespace kv
