#include "platform/controls/picture.h"

#include <gtest/gtest.h>

#include "platform/controls/picture_ring.h"
#include "platform/controls/stage.h"
#include "platform/image_file.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace tov::platform {
namespace {

using testing::Stage;

// A 4 x 2 bitmap: red and green halves, the top-right pixel masked.
Bitmap Checker() {
    Surface s(4, 2, 0xFF0000);
    for (int y = 0; y < 2; ++y) {
        for (int x = 2; x < 4; ++x)
            s.At(x, y) = 0x00FF00;
    }
    Bitmap b = BitmapFromSurface(s);
    b.mask.assign(8, 1);
    b.mask[3] = 0;
    return b;
}

TEST(Picture, StretchesItsBitmapOverTheBackground) {
    Stage stage(ControlKind::Picture, 40, 20);
    const Bitmap b = Checker();
    stage.Get<Picture>().SetImage(&b);
    // Transparent background: masked pixels show the panel.
    Surface shot = stage.Shot();
    EXPECT_EQ(shot.At(0, 0), 0xFF0000u);
    EXPECT_EQ(shot.At(19, 19), 0xFF0000u);
    EXPECT_EQ(shot.At(20, 19), 0x00FF00u);
    EXPECT_EQ(shot.At(39, 0), Stage::kBackdrop);
    EXPECT_EQ(shot.At(30, 9), Stage::kBackdrop);
    EXPECT_EQ(shot.At(30, 10), 0x00FF00u);
    stage.Set(Attr::PictureBgColor, 0x0000FF);
    shot = stage.Shot();
    EXPECT_EQ(shot.At(39, 0), 0x0000FFu);
    // No image: the background alone.
    stage.Get<Picture>().SetImage(nullptr);
    EXPECT_EQ(testing::CountColor(stage.Shot(), 0x0000FF), 40 * 20);
}

TEST(PictureRing, DimmedGreysTheImageOnly) {
    tov::testing::TempDir dir;
    Surface image(8, 8, 0x2040FF);
    for (int i = 0; i < 8; ++i)
        image.At(i, i) = 0xFFFFFF;
    const std::string path = dir.File("diagonal.png");
    ASSERT_EQ(WritePng(path, image), kUISuccess);
    Stage stage(ControlKind::PictureRing, 32, 32, 2);
    PictureRing& ring = stage.Get<PictureRing>();
    ASSERT_EQ(ring.InsertItem(-1, path, 0), kUISuccess);
    const Surface plain = stage.Shot();
    EXPECT_EQ(plain.At(10, 20), 0x2040FFu);
    EXPECT_MATCHES_GOLDEN(plain, "platform/controls/picture_ring_plain");
    stage.Set(Attr::Dimmed, 1);
    const Surface dimmed = stage.Shot();
    EXPECT_EQ(dimmed.At(10, 20), DimmedColor(0x2040FF));
    EXPECT_EQ(dimmed.At(0, 0), Stage::kBackdrop);  // the margin is no part of the picture
    EXPECT_MATCHES_GOLDEN(dimmed, "platform/controls/picture_ring_dimmed");
    // An unreadable file is refused and leaves the ring as it was.
    EXPECT_EQ(ring.InsertItem(-1, dir.File("none.bmp"), 1), kUIEFileNotFound);
    EXPECT_EQ(ring.Count(), 1);
}

}  // namespace
}  // namespace tov::platform
