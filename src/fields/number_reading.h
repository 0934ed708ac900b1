#pragma once
#include <string>
namespace tintwell {
// The longest leading number of a typed text; 0 when there is none.
double readNumber(const std::string& text);
}  // namespace tintwell
