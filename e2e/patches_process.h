#pragma once

// tintwell_patches.exe: a row of square colour patches at a chosen place of
// the screen, never activated, shown while this object lives.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "screen.h"

namespace tintwell::e2e {

class ColorPatches {
 public:
  ColorPatches() = default;
  ColorPatches(const ColorPatches&) = delete;
  ColorPatches& operator=(const ColorPatches&) = delete;
  ~ColorPatches() { close(); }

  // Shows the colours left to right from the top-left corner and waits until
  // the screen holds them. On failure the reason, else an empty text.
  std::string show(POINT topLeft, int size, const std::vector<Rgb>& colors);
  // One square patch whose screen pixels alternate as on a chessboard: the
  // first colour where x + y is even.
  std::string showChecker(POINT topLeft, int size, const Rgb& even, const Rgb& odd);
  // Centre of a patch on the screen.
  POINT centreOf(size_t index) const;
  void close();

 private:
  std::string start(const std::wstring& arguments);
  bool onScreen() const;

  ChildProcess process_;
  POINT topLeft_{};
  int size_ = 0;
  bool checker_ = false;
  std::vector<Rgb> colors_;
};

// $TINTWELL_PATCHES, else the one this build made, else beside tintwell.exe.
std::filesystem::path patchesProgramPath();

}  // namespace tintwell::e2e
