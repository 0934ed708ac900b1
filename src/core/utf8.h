#pragma once

#include <string_view>
#include <vector>

namespace tintwell {

// The characters of a UTF-8 text, each with its continuation bytes.
std::vector<std::string_view> utf8Characters(std::string_view text);

}  // namespace tintwell
