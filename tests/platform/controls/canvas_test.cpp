#include "platform/controls/canvas.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(Canvas, ResizingKeepsTheContentAtTheTopLeft) {
    Stage stage(ControlKind::Canvas, 4, 4);
    Canvas& canvas = stage.Get<Canvas>();
    stage.Set(Attr::PictureBgColor, 0x000000);
    canvas.Clear(kWholeArea);
    stage.Set(Attr::PenColor, 0xFF0000);
    canvas.DrawPoint(MakePoint(1, 1));
    // A new background shows only where the canvas is cleared later.
    stage.Set(Attr::PictureBgColor, 0x0000FF);
    stage.Set(Attr::Width, 6);
    const Surface& content = canvas.Content();
    EXPECT_EQ(content.width, 6);
    EXPECT_EQ(content.At(1, 1), 0xFF0000u);
    EXPECT_EQ(content.At(0, 0), 0x000000u);
    EXPECT_EQ(content.At(5, 0), 0x0000FFu);
    stage.Set(Attr::Height, 1);
    stage.Set(Attr::Height, 4);
    EXPECT_EQ(canvas.Content().At(1, 1), 0x0000FFu);  // cut off, then grown back
}

TEST(Canvas, TransparentBackgroundShowsWhatLiesBehind) {
    Stage stage(ControlKind::Canvas, 6, 3);
    Canvas& canvas = stage.Get<Canvas>();
    stage.Set(Attr::PictureBgColor, kTransparent);
    canvas.Clear(kWholeArea);
    stage.Set(Attr::FillColor, 0x00FF00);
    canvas.DrawRect(MakeRect(0, 0, 3, 2), DrawMode::Interior);
    const Surface shot = stage.Shot();
    EXPECT_EQ(shot.At(0, 0), 0x00FF00u);
    EXPECT_EQ(shot.At(3, 0), Stage::kBackdrop);
    // Cleared opaque again, the whole canvas shows its background.
    stage.Set(Attr::PictureBgColor, 0x101010);
    canvas.Clear(kWholeArea);
    EXPECT_EQ(testing::CountColor(stage.Shot(), 0x101010), 18);
}

}  // namespace
}  // namespace tov::platform
