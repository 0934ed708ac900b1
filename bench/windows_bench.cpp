// The drawing in the Windows build, beside the baselines it is judged
// against: the bare colour arithmetic, one evaluation per pixel, and the
// same matrix drawn with per-pixel GDI calls. Google Benchmark has no
// Windows build here, so this keeps its own clock: the median of several
// timed batches, printed as one table of ratios.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "alternating_color.h"
#include "core/mod_color.h"
#include "core/rounding.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "shell/scaled_surface.h"
#include "win32/handles.h"
#include "win32/surface.h"

namespace tintwell {
namespace {

constexpr int kBatches = 9;
constexpr double kBatchSeconds = 0.05;

// Median seconds per call of `work`.
double secondsPerCall(const std::function<void()>& work) {
  using Clock = std::chrono::steady_clock;
  int calls = 1;
  for (;;) {  // grow a batch until it is long enough to time
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) work();
    if (std::chrono::duration<double>(Clock::now() - start).count() > kBatchSeconds / 4) break;
    calls *= 2;
  }
  std::vector<double> perCall;
  for (int batch = 0; batch < kBatches; ++batch) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) work();
    perCall.push_back(std::chrono::duration<double>(Clock::now() - start).count() / calls);
  }
  std::nth_element(perCall.begin(), perCall.begin() + kBatches / 2, perCall.end());
  return perCall[kBatches / 2];
}

struct Row {
  std::string name;
  double seconds;
  std::string baseline;
};

fakes::HeadlessWindow& startedWindow() {
  static fakes::HeadlessWindow window;
  static const bool started = [] {
    window.start();
    window.showColor(210, 0.6, 0.8);
    return true;
  }();
  (void)started;
  return window;
}

// A straightforward Win32 drawing of the same matrix: SetPixelV per sample,
// then BitBlt block copies, on a memory DC.
class GdiMatrix {
 public:
  GdiMatrix()
      : screen_(nullptr, win32::WindowDc::Area::client),
        memory_(screen_.get()),
        bitmap_(CreateCompatibleBitmap(screen_.get(), kSurfaceSide, kSurfaceSide)),
        selected_(memory_.get(), bitmap_.get()) {}

  void draw(int quality, const ColorState& color) {
    const int step = samplingStep(quality);
    for (int x = 0; x < kSurfaceSide; x += step) {
      for (int y = 0; y < kSurfaceSide; y += step) {
        SetPixelV(memory_.get(), x, y, matrixSampleColor(0, x, y, color));
      }
    }
    for (int first = 1; first + step - 2 < kSurfaceSide; first += step) {
      for (int target = first; target <= first + step - 2; ++target) {
        BitBlt(memory_.get(), target, 0, 1, kSurfaceSide, memory_.get(), first - 1, 0, SRCCOPY);
      }
    }
    for (int first = 1; first + step - 2 < kSurfaceSide; first += step) {
      for (int target = first; target <= first + step - 2; ++target) {
        BitBlt(memory_.get(), 0, target, kSurfaceSide, 1, memory_.get(), 0, first - 1, SRCCOPY);
      }
    }
  }

 private:
  win32::WindowDc screen_;
  win32::MemoryDc memory_;
  win32::Bitmap bitmap_;
  win32::SelectedObject selected_;
};

void addDrawingRows(std::vector<Row>& rows) {
  auto& window = startedWindow();
  std::vector<PackedColor> scratch(kSurfaceSide * kSurfaceSide);
  GdiMatrix gdi;
  bench::AlternatingColor color(window);
  static const char* const kQualities[] = {"High", "Medium", "Low"};
  for (int quality = 0; quality < 3; ++quality) {
    const std::string floorName = std::string("floor ") + kQualities[quality];
    const int step = samplingStep(quality);
    rows.push_back({floorName, secondsPerCall([&] {
                      size_t next = 0;
                      for (int x = 0; x < kSurfaceSide; x += step) {
                        for (int y = 0; y < kSurfaceSide; y += step) {
                          scratch[next++] = convHSV2RGB(window.form.dHue, x / kLastPosition,
                                                        1.0 - y / kLastPosition);
                        }
                      }
                    }),
                    ""});
    window.cmbQuality.setListIndex(quality);
    window.form.iDim = 0;
    rows.push_back({std::string("drawMatrix ") + kQualities[quality], secondsPerCall([&] {
                      color.next();
                      window.form.drawMatrix(true);
                    }),
                    floorName});
    rows.push_back({std::string("per-pixel GDI ") + kQualities[quality],
                    secondsPerCall([&] { gdi.draw(quality, window.form); }),
                    std::string("drawMatrix ") + kQualities[quality]});
  }
  PixelImage& field = window.imgMatrix.image();
  rows.push_back({"naive 65,536 evaluations", secondsPerCall([&] {
                    for (int x = 0; x < kSurfaceSide; ++x) {
                      for (int y = 0; y < kSurfaceSide; ++y) {
                        field.setPixel(x, y, matrixSampleColor(0, x, y, window.form));
                      }
                    }
                  }),
                  "drawMatrix High"});
  rows.push_back({"drawVertical", secondsPerCall([&] {
                    color.next();
                    window.form.drawVertical();
                  }),
                  ""});
  rows.push_back({"refreshInputs", secondsPerCall([&] {
                    color.next();
                    window.form.refreshInputs(-1);
                  }),
                  ""});
}

// The matrix shown on a memory bitmap at 100 % (the image as it is) and at
// other scales (blocks of whole pixels worked out, then one blit).
void addPresentationRows(std::vector<Row>& rows) {
  auto& window = startedWindow();
  const PixelImage& image = window.imgMatrix.image();
  const layout::ControlDesign& matrix = *layout::findControl(layout::Control::imgMatrix);
  const Box inner = layout::innerBox(matrix);
  const win32::WindowDc screen(nullptr, win32::WindowDc::Area::client);
  const win32::MemoryDc memory(screen.get());
  constexpr int kLargest = 3 * kSurfaceSide;
  const win32::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), kLargest, kLargest));
  const win32::SelectedObject selected(memory.get(), bitmap.get());
  const auto blit = [&memory](int width, int height, const uint32_t* bits) {
    win32::showPixels(memory.get(), width, height, bits);
  };
  rows.push_back({"show matrix at 100 %",
                  secondsPerCall([&] { blit(image.width(), image.height(), image.dibBits()); }),
                  ""});
  for (const auto& [name, dpi] :
       {std::pair{"show matrix at 150 %", 144}, std::pair{"show matrix at 200 %", 192}}) {
    ScaledSurface shown(DisplayScale(dpi), inner);
    rows.push_back({name, secondsPerCall([&] {
                      blit(shown.width(), shown.height(), shown.present(image).data());
                    }),
                    "show matrix at 100 %"});
  }
}

// Rounding a million halves: the C runtime's nearbyint against ours.
void addRoundingRows(std::vector<Row>& rows) {
  constexpr int kValues = 1 << 20;
  std::vector<double> values(kValues);
  for (int i = 0; i < kValues; ++i) values[static_cast<size_t>(i)] = i * 0.5 + 0.25 * (i % 3);
  volatile double sink = 0;
  rows.push_back({"roundHalfEven x1M", secondsPerCall([&] {
                    double sum = 0;
                    for (double value : values) sum += roundHalfEven(value);
                    sink = sum;
                  }),
                  ""});
  rows.push_back({"C runtime nearbyint x1M", secondsPerCall([&] {
                    double sum = 0;
                    for (double value : values) sum += std::nearbyint(value);
                    sink = sum;
                  }),
                  "roundHalfEven x1M"});
  (void)sink;
}

}  // namespace
}  // namespace tintwell

int main() {
  using tintwell::Row;
  std::vector<Row> rows;
  tintwell::addDrawingRows(rows);
  tintwell::addPresentationRows(rows);
  tintwell::addRoundingRows(rows);
  std::printf("%-28s %14s   %s\n", "benchmark", "time", "ratio to baseline");
  for (const Row& row : rows) {
    std::printf("%-28s %11.1f us", row.name.c_str(), row.seconds * 1e6);
    for (const Row& base : rows) {
      if (base.name == row.baseline) {
        std::printf("   %6.2fx %s", row.seconds / base.seconds, base.name.c_str());
      }
    }
    std::printf("\n");
  }
  return 0;
}
