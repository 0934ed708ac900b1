#include "core/utf8.h"

namespace tintwell {

namespace {

bool continuesCharacter(char byte) {
  constexpr unsigned kTopTwoBits = 0xC0u;
  constexpr unsigned kContinuation = 0x80u;
  return (static_cast<unsigned char>(byte) & kTopTwoBits) == kContinuation;
}

}  // namespace

// A stray continuation byte at the very start stands for itself, so every
// byte belongs to exactly one character.
std::vector<std::string_view> utf8Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start + 1;
    while (end < text.size() && continuesCharacter(text[end])) ++end;
    characters.push_back(text.substr(start, end - start));
    start = end;
  }
  return characters;
}

}  // namespace tintwell
