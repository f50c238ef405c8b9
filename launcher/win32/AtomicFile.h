#pragma once
// Replacing a file's contents as a whole.

#include <string>
#include <string_view>

namespace kx::win {

// Writes `bytes` to a new file beside `path` and then puts it in the place of
// `path`. False when any step failed; `path` is then as it was and the new
// file is gone.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace kx::win
