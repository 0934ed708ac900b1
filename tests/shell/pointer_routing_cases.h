#pragma once

// Where the pointer goes in the window as it starts, the pale flags lying
// hidden over the flags: one table for the headless window's places and for
// the adapter's windowless layer. The flag and the pale flag are English.

#include <gtest/gtest.h>

#include <string>

#include "shell/layout.h"
#include "shell/pointer_router.h"
#include "shell/ports.h"

namespace tintwell {

inline void expectStartupPointerRouting(const PointerRouter& router, const Picture& flag,
                                        Picture& pale) {
  const Point english{flag.left() + 1, flag.top() + 1};
  struct Row {
    const char* name;
    Point point;
    bool paleFlagShown;
    const char* expected;
  };
  const Row rows[] = {
      {"flag under its hidden pale flag", english, false, "imgLangENG"},
      {"pale flag shown over its flag", english, true, "imgLangENG_hl"},
      {"Hungarian flag, bottom-right pixel", {434, 23}, false, "imgLangHUN"},
      {"just right of the Hungarian flag", {435, 10}, false, "window"},
      {"white band: the shape takes no pointer", {200, 30}, false, "window"},
      {"first line: lines take no pointer", {100, 70}, false, "window"},
      {"home-page label", {420, 60}, false, "lblHomepage"},
      {"hint label at the bottom", {100, 405}, false, "lblTintwell"},
      {"eyedropper", {10, 402}, false, "Image1"},
      {"hint label past the client edge", {layout::kClientWidth, 405}, false, "window"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    pale.setVisible(row.paleFlagShown);
    const layout::ControlDesign* hit = router.hitTest(row.point);
    EXPECT_EQ(hit == nullptr ? "window" : std::string(hit->name), row.expected);
  }
}

}  // namespace tintwell
