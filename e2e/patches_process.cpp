#include "patches_process.h"

#include <cstdlib>

#include "environment.h"
#include "win32/text.h"

namespace tintwell::e2e {

std::filesystem::path patchesProgramPath() {
  const char* chosen = std::getenv("TINTWELL_PATCHES");
  if (chosen != nullptr && *chosen != '\0') return windowsPath(chosen);
  const std::filesystem::path built = windowsPath(TINTWELL_BUILT_PATCHES);
  std::error_code ignored;
  return std::filesystem::exists(built, ignored)
             ? built
             : programPath().parent_path() / "tintwell_patches.exe";
}

std::string ColorPatches::show(POINT topLeft, int size, const std::vector<Rgb>& colors) {
  close();
  topLeft_ = topLeft;
  size_ = size;
  checker_ = false;
  colors_ = colors;
  std::wstring arguments;
  for (const Rgb& color : colors) arguments += L" " + win32::toWide(hexText(color));
  return start(arguments);
}

std::string ColorPatches::showChecker(POINT topLeft, int size, const Rgb& even, const Rgb& odd) {
  close();
  topLeft_ = topLeft;
  size_ = size;
  checker_ = true;
  colors_ = {even, odd};
  return start(L" checker " + win32::toWide(hexText(even)) + L" " + win32::toWide(hexText(odd)));
}

std::string ColorPatches::start(const std::wstring& arguments) {
  const std::filesystem::path program = patchesProgramPath();
  const std::string failure = process_.start(
      commandLineOf(program, std::to_wstring(topLeft_.x) + L" " + std::to_wstring(topLeft_.y) +
                                 L" " + std::to_wstring(size_) + arguments));
  if (!failure.empty()) return "could not start " + program.string() + ": " + failure;
  if (!waitUntil([&] { return onScreen(); }, kStartLimit)) {
    return "the patches did not reach the screen";
  }
  return {};
}

POINT ColorPatches::centreOf(size_t index) const {
  return {topLeft_.x + static_cast<LONG>(index) * size_ + size_ / 2, topLeft_.y + size_ / 2};
}

bool ColorPatches::onScreen() const {
  if (checker_) {
    const Screenshot corner =
        Screenshot::capture({topLeft_.x, topLeft_.y, topLeft_.x + 2, topLeft_.y + 1});
    return corner.pixel(0, 0) == colors_[0] && corner.pixel(1, 0) == colors_[1];
  }
  for (size_t index = 0; index < colors_.size(); ++index) {
    const POINT centre = centreOf(index);
    const Screenshot spot = Screenshot::capture({centre.x, centre.y, centre.x + 1, centre.y + 1});
    if (spot.pixel(0, 0) != colors_[index]) return false;
  }
  return true;
}

void ColorPatches::close() {
  process_.terminate();
}

}  // namespace tintwell::e2e
