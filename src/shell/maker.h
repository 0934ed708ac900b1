#pragma once

// Who makes Tintwell, in one place: the credit line, the home-page label and
// the address it opens.

namespace tintwell {

inline constexpr const char* kMakerCredit = "Quenlark 2026";
inline constexpr const char* kHomepageText = "quenlark.example";
inline constexpr const char* kHomepageAddress = "https://quenlark.example/tintwell/";

}  // namespace tintwell
