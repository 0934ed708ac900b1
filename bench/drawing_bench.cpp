// Drawing costs, each beside the baselines it is judged against: the bare
// colour arithmetic the same drawing needs, and one evaluation per pixel.

#include <benchmark/benchmark.h>

#include <vector>

#include "alternating_color.h"
#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"

namespace tintwell {
namespace {

fakes::HeadlessWindow& startedWindow() {
  static fakes::HeadlessWindow* window = [] {
    auto* created = new fakes::HeadlessWindow;
    created->start();
    created->showColor(210, 0.6, 0.8);
    return created;
  }();
  return *window;
}

void drawMatrix(benchmark::State& state) {
  auto& window = startedWindow();
  window.cmbQuality.setListIndex(static_cast<int>(state.range(0)));
  window.form.iDim = static_cast<int16_t>(state.range(1));
  bench::AlternatingColor color(window);
  for (auto _ : state) {
    color.next();
    window.form.drawMatrix(true);
    benchmark::DoNotOptimize(window.imgMatrix.image().dibBits());
  }
}
BENCHMARK(drawMatrix)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3, 4, 5}})->ArgNames({"quality", "dim"});

// The floor: only the conversions the matrix needs at that quality.
void arithmeticFloor(benchmark::State& state) {
  const int step = samplingStep(static_cast<int>(state.range(0)));
  const auto& color = startedWindow().form;
  std::vector<PackedColor> scratch(kSurfaceSide * kSurfaceSide);
  for (auto _ : state) {
    size_t next = 0;
    for (int x = 0; x < kSurfaceSide; x += step) {
      for (int y = 0; y < kSurfaceSide; y += step) {
        scratch[next++] = convHSV2RGB(color.dHue, x / kLastPosition, 1.0 - y / kLastPosition);
      }
    }
    benchmark::DoNotOptimize(scratch.data());
  }
}
BENCHMARK(arithmeticFloor)->Arg(0)->Arg(1)->Arg(2)->ArgName("quality");

// Naive: one colour evaluation and one pixel write for every pixel.
void naiveMatrix(benchmark::State& state) {
  auto& window = startedWindow();
  PixelImage& field = window.imgMatrix.image();
  for (auto _ : state) {
    for (int x = 0; x < kSurfaceSide; ++x) {
      for (int y = 0; y < kSurfaceSide; ++y)
        field.setPixel(x, y, matrixSampleColor(0, x, y, window.form));
    }
    benchmark::DoNotOptimize(field.dibBits());
  }
}
BENCHMARK(naiveMatrix);

void drawVertical(benchmark::State& state) {
  auto& window = startedWindow();
  window.form.iDim = static_cast<int16_t>(state.range(0));
  bench::AlternatingColor color(window);
  for (auto _ : state) {
    color.next();
    window.form.drawVertical();
  }
}
BENCHMARK(drawVertical)->DenseRange(0, 5)->ArgName("dim");

void refreshInputs(benchmark::State& state) {
  auto& window = startedWindow();
  bench::AlternatingColor color(window);
  for (auto _ : state) {
    color.next();
    window.form.refreshInputs(-1);
  }
}
BENCHMARK(refreshInputs);

// One whole tick: read, fields, strip, matrix at High quality.
void samplerTick(benchmark::State& state) {
  auto& window = startedWindow();
  window.cmbQuality.setListIndex(0);
  window.form.iDim = 0;
  int16_t shift = 16;
  window.form.Form_KeyDown(shift, 0);
  PackedColor next = 0;
  window.platform.screen = [&next](int32_t, int32_t) { return next += 0x010203; };
  for (auto _ : state) window.form.tmSampler_Timer();
  window.form.Form_KeyUp(shift, 0);
}
BENCHMARK(samplerTick);

}  // namespace
}  // namespace tintwell
