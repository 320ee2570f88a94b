// System paths: the path delimiter and the user's temporary folder.
#pragma once

#include <string>

namespace kv::os {

char16_t PathDelimiter();

// The user's temporary folder as the system reports it (with or without a
// trailing delimiter), or empty when there is none that is safe to use.
// Windows: the temporary-path query. POSIX: a folder of this user's own
// inside $TMPDIR (else /tmp), made with mode 0700; refused when it is not a
// real folder (a symlink, say), is owned by another account, or is open to
// others.
std::u16string UserTempFolder();

} // namespace kv::os
