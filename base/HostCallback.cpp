#include "base/HostCallback.h"

namespace kv {

HostCallbackFn HostCallback = nullptr;

} // namespace kv
