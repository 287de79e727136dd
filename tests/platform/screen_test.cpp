#include "platform/screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/panel_ids.h"
#include "platform/presenters/headless.h"
#include "platform/runtime.h"

namespace tov::platform {
namespace {

namespace ids = main_panel;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;

class ScreenTest : public ::testing::Test {
  protected:
    // A main panel of 200 x 100 at (50, 40), shown, with its DMD canvas black over all of it.
    int Main() {
        const int p = rt_.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
        rt_.SetPanelAttribute(p, Attr::Left, 50);
        rt_.SetPanelAttribute(p, Attr::Top, 40);
        rt_.SetPanelAttribute(p, Attr::Width, 200);
        rt_.SetPanelAttribute(p, Attr::Height, 100);
        rt_.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::Width, 200);
        rt_.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::Height, 100);
        rt_.DisplayPanel(p);
        return p;
    }

    // Makes a canvas of the main panel a filled square of the colour at (x, y).
    void Square(int p, int canvas, int x, int y, int size, uint32_t color) {
        rt_.SetCtrlAttribute(p, canvas, Attr::Left, x);
        rt_.SetCtrlAttribute(p, canvas, Attr::Top, y);
        rt_.SetCtrlAttribute(p, canvas, Attr::Width, size);
        rt_.SetCtrlAttribute(p, canvas, Attr::Height, size);
        rt_.SetCtrlAttribute(p, canvas, Attr::PictureBgColor, static_cast<int>(color));
        rt_.CanvasClear(p, canvas, kWholeArea);
    }

    Surface PanelPixels(int p) {
        Surface s;
        EXPECT_TRUE(rt_.ComposePanel(p, &s));
        return s;
    }

    Runtime rt_;
};

TEST_F(ScreenTest, TheControlAtZPlaneZeroCoversTheOthers) {
    const int p = Main();
    Square(p, ids::kEffectCanvas, 10, 10, 40, kRed);
    Square(p, ids::kConstructCanvas, 30, 30, 40, kGreen);
    // In the file the construct canvas lies in front of the effect canvas.
    EXPECT_EQ(PanelPixels(p).At(40, 40), kGreen);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::ZPlanePosition, 0);
    Surface s = PanelPixels(p);
    EXPECT_EQ(s.At(40, 40), kRed);
    EXPECT_EQ(s.At(60, 60), kGreen);  // where only the construct canvas lies
    EXPECT_EQ(s.At(5, 5), 0u);        // the DMD canvas behind both
    // The DMD canvas brought to the front covers everything.
    rt_.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::PictureBgColor, 0x102030);
    rt_.CanvasClear(p, ids::kDmdCanvas, kWholeArea);
    rt_.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::ZPlanePosition, 0);
    s = PanelPixels(p);
    EXPECT_EQ(s.At(40, 40), 0x102030u);
    EXPECT_EQ(s.At(60, 60), 0x102030u);
}

TEST_F(ScreenTest, AControlBeyondThePanelsEdgeIsClippedAway) {
    const int p = Main();
    Square(p, ids::kEffectCanvas, 195, 10, 40, kRed);
    Surface s = PanelPixels(p);
    EXPECT_EQ(s.width, 200);
    EXPECT_EQ(s.At(195, 20), kRed);
    EXPECT_EQ(s.At(199, 20), kRed);
    EXPECT_EQ(s.At(194, 20), 0u);
    // On the screen nothing of it shows right of the panel.
    const Surface& screen = rt_.ComposeScreen();
    EXPECT_EQ(screen.At(50 + 199, 40 + 20), kRed);
    EXPECT_NE(screen.At(50 + 200 + kFrameWidth + 2, 40 + 20), kRed);
    // Parked at the panel's width, it is out of sight entirely.
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::Left, 200);
    s = PanelPixels(p);
    for (uint32_t pixel : s.pixels)
        ASSERT_NE(pixel, kRed);
    // Above and left of the panel likewise.
    Square(p, ids::kEffectCanvas, -35, -38, 40, kRed);
    s = PanelPixels(p);
    EXPECT_EQ(s.At(4, 1), kRed);
    EXPECT_EQ(s.At(5, 1), 0u);
    EXPECT_EQ(s.At(4, 2), 0u);
    // Positions at the ends of the int range draw nothing and break nothing.
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::Left, INT32_MIN);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::Top, INT32_MAX);
    s = PanelPixels(p);
    for (uint32_t pixel : s.pixels)
        ASSERT_NE(pixel, kRed);
}

TEST_F(ScreenTest, ControlDisplayBitmapOfATextMessageIsItsTextOnItsBackground) {
    const int p = Main();
    const int text = ids::kFontScratch;  // white on black, far beyond the panel's edge
    rt_.SetCtrlAttribute(p, text, Attr::TextPointSize, 30);
    rt_.SetCtrlVal(p, text, "Hi!");
    rt_.CreateMetaFont("Scratch", "Arial", 30, false, false, false, false);
    int width = 0;
    rt_.GetTextDisplaySize("Hi!", "Scratch", nullptr, &width);
    rt_.SetCtrlAttribute(p, text, Attr::Width, width);
    int height = 0;
    rt_.GetCtrlAttribute(p, text, Attr::Height, &height);
    int bitmap = 0;
    ASSERT_EQ(rt_.GetCtrlDisplayBitmap(p, text, &bitmap), kUISuccess);
    const Bitmap* b = rt_.FindBitmap(bitmap);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->image.width, width);
    EXPECT_EQ(b->image.height, height);
    EXPECT_EQ(b->bytes_per_row, PaddedBytesPerRow(width));
    EXPECT_EQ(b->image.At(0, 0), 0u);
    EXPECT_EQ(b->image.At(width - 1, height - 1), 0u);
    int white = 0;
    for (uint32_t pixel : b->image.pixels)
        white += pixel == 0xFFFFFF ? 1 : 0;
    EXPECT_GT(white, 40);
    // The same text measured and painted agree: its columns lie within the measured width.
    int first = width;
    int last = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (b->image.At(x, y) == 0) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    EXPECT_LE(first, 4);
    EXPECT_GE(last, width - 5);
}

TEST_F(ScreenTest, ControlDisplayBitmapShowsWhatLiesBehindATransparentControl) {
    const int p = Main();
    Square(p, ids::kEffectCanvas, 0, 0, 60, kRed);
    Square(p, ids::kConstructCanvas, 10, 10, 20, kGreen);
    // A picture with a transparent background and no image shows what lies behind it, but not
    // what lies in front of it.
    rt_.SetCtrlAttribute(p, ids::kXyzCanvas, Attr::Left, 0);
    rt_.SetCtrlAttribute(p, ids::kXyzCanvas, Attr::Top, 0);
    rt_.SetCtrlAttribute(p, ids::kXyzCanvas, Attr::Width, 50);
    rt_.SetCtrlAttribute(p, ids::kXyzCanvas, Attr::Height, 50);
    rt_.SetCtrlAttribute(p, ids::kXyzCanvas, Attr::ZPlanePosition, 0);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::ZPlanePosition, 0);
    Surface shown;
    ASSERT_TRUE(rt_.ComposeControl(p, ids::kXyzCanvas, &shown));
    EXPECT_EQ(shown.width, 50);
    EXPECT_EQ(shown.At(15, 15), kGreen);           // the construct canvas lies behind the picture
    EXPECT_NE(PanelPixels(p).At(15, 15), kGreen);  // but the effect canvas covers both
}

TEST_F(ScreenTest, PanelDisplayBitmapIsARectangleOfTheComposedPanel) {
    const int p = Main();
    Square(p, ids::kEffectCanvas, 10, 20, 5, kRed);
    int bitmap = 0;
    ASSERT_EQ(rt_.GetPanelDisplayBitmap(p, MakeRect(20, 10, 5, 8), &bitmap), kUISuccess);
    const Bitmap* b = rt_.FindBitmap(bitmap);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->image.width, 8);
    EXPECT_EQ(b->image.height, 5);
    EXPECT_EQ(b->image.At(4, 4), kRed);
    EXPECT_EQ(b->image.At(5, 0), 0u);
    // The far edges; a rectangle outside the panel gives nothing.
    ASSERT_EQ(rt_.GetPanelDisplayBitmap(p, kWholeArea, &bitmap), kUISuccess);
    EXPECT_EQ(rt_.FindBitmap(bitmap)->image.width, 200);
    EXPECT_EQ(rt_.GetPanelDisplayBitmap(p, MakeRect(0, 300, 5, 5), &bitmap), kUIEInvalidValue);
}

TEST_F(ScreenTest, PanelsStackInDisplayOrderInsideTheirFrames) {
    const int a = Main();
    const int b = rt_.LoadPanelEx(0, kPublicPanelFile, public_panels::kFirstSimplePanel);
    rt_.SetPanelAttribute(b, Attr::Left, 100);
    rt_.SetPanelAttribute(b, Attr::Top, 60);
    rt_.SetCtrlAttribute(b, simple_panel::kCanvas, Attr::PictureBgColor, static_cast<int>(kGreen));
    rt_.CanvasClear(b, simple_panel::kCanvas, kWholeArea);
    // Not displayed yet: not on the screen.
    EXPECT_EQ(rt_.ComposeScreen().At(120, 80), 0u);
    rt_.DisplayPanel(b);
    EXPECT_EQ(rt_.ComposeScreen().At(120, 80), kGreen);
    // The frame lies outside the client area.
    const Surface& screen = rt_.ComposeScreen();
    EXPECT_EQ(screen.At(100 - 1, 80), 0x404040u);
    EXPECT_EQ(screen.At(100 - kFrameWidth, 80), 0x202020u);
    EXPECT_EQ(screen.At(50 - kFrameWidth - 1, 80), kDesktopColor);
    // Displaying the first again brings it in front.
    rt_.DisplayPanel(a);
    EXPECT_EQ(rt_.ComposeScreen().At(120, 80), 0u);
    rt_.SetPanelAttribute(a, Attr::FrameVisible, 0);
    EXPECT_EQ(rt_.ComposeScreen().At(50 - 1, 80), kDesktopColor);
    rt_.HidePanel(a);
    EXPECT_EQ(rt_.ComposeScreen().At(120, 80), kGreen);
    // Panels reaching beyond the screen are cut at its edges.
    rt_.SetPanelAttribute(b, Attr::Left, 1900);
    rt_.SetPanelAttribute(b, Attr::Top, -30);
    EXPECT_EQ(rt_.ComposeScreen().At(1919, 0), kGreen);
}

TEST_F(ScreenTest, ChildPanelsLieInsideTheirParent) {
    const int parent = Main();
    const int child = rt_.LoadPanelEx(parent, kPublicPanelFile, public_panels::kFirstSimplePanel);
    ASSERT_GT(child, 0);
    rt_.SetPanelAttribute(child, Attr::Left, 10);
    rt_.SetPanelAttribute(child, Attr::Top, 5);
    rt_.SetCtrlAttribute(child, simple_panel::kCanvas, Attr::PictureBgColor,
                         static_cast<int>(kGreen));
    rt_.CanvasClear(child, simple_panel::kCanvas, kWholeArea);
    EXPECT_EQ(PanelPixels(parent).At(12, 7), 0u);
    rt_.DisplayPanel(child);
    EXPECT_EQ(PanelPixels(parent).At(12, 7), kGreen);
    EXPECT_EQ(rt_.ComposeScreen().At(50 + 12, 40 + 7), kGreen);
    // Discarding the parent discards the child.
    rt_.DiscardPanel(parent);
    int left = 0;
    EXPECT_EQ(rt_.GetPanelAttribute(child, Attr::Left, &left), kUIEInvalidPanel);
}

TEST_F(ScreenTest, LabelsMoveWithTheirControls) {
    const int p = Main();
    Square(p, ids::kEffectCanvas, 20, 40, 10, kRed);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::LabelText, "label");
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::LabelColor, static_cast<int>(kGreen));
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::LabelLeft, 20);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::LabelTop, 10);
    auto green_in_rows = [&](int y0, int y1) {
        const Surface s = PanelPixels(p);
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < s.width; ++x)
                n += s.At(x, y) == kGreen ? 1 : 0;
        }
        return n;
    };
    EXPECT_GT(green_in_rows(10, 30), 0);
    rt_.SetCtrlAttribute(p, ids::kEffectCanvas, Attr::Top, 70);
    int label_top = 0;
    rt_.GetCtrlAttribute(p, ids::kEffectCanvas, Attr::LabelTop, &label_top);
    EXPECT_EQ(label_top, 40);
    EXPECT_EQ(green_in_rows(10, 30), 0);
    EXPECT_GT(green_in_rows(40, 60), 0);
}

// The composition keeps pictures of controls and panels between calls; composing after every
// step must give what composing once at the end gives.
TEST(ScreenCache, ComposingAfterEveryStepEqualsComposingOnce) {
    const std::vector<std::function<void(Runtime&, int)>> steps = {
        [](Runtime& rt, int p) { rt.SetCtrlAttribute(p, ids::kTextCanvas, Attr::Left, 10); },
        [](Runtime& rt, int p) { rt.SetCtrlVal(p, ids::kTextCanvas, "Ticker"); },
        [](Runtime& rt, int p) { rt.SetCtrlAttribute(p, ids::kTextCanvas, Attr::Left, -20); },
        [](Runtime& rt, int p) {
            rt.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::PenColor, 0x00FFFF);
            rt.CanvasDrawLine(p, ids::kDmdCanvas, MakePoint(0, 0), MakePoint(199, 99));
        },
        [](Runtime& rt, int p) {
            rt.SetCtrlAttribute(p, ids::kTextCanvas, Attr::TextColor, 0xFF00FF);
        },
        [](Runtime& rt, int p) {
            rt.SetCtrlAttribute(p, ids::kLinebox, Attr::Left, 30);
            rt.SetCtrlVal(p, ids::kLinebox, "credits\n");
        },
        [](Runtime& rt, int p) { rt.SetCtrlAttribute(p, ids::kLinebox, Attr::Top, 40); },
        [](Runtime& rt, int p) {
            rt.SetCtrlAttribute(p, ids::kTextCanvas, Attr::ZPlanePosition, 0);
        },
        [](Runtime& rt, int p) { rt.SetPanelAttribute(p, Attr::Left, 300); },
        [](Runtime& rt, int p) { rt.SetCtrlAttribute(p, ids::kTextCanvas, Attr::Visible, 0); },
    };
    auto setup = [](Runtime& rt) {
        const int p = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
        rt.SetPanelAttribute(p, Attr::Width, 200);
        rt.SetPanelAttribute(p, Attr::Height, 100);
        rt.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::Width, 200);
        rt.SetCtrlAttribute(p, ids::kDmdCanvas, Attr::Height, 100);
        rt.DisplayPanel(p);
        return p;
    };
    for (size_t count = 1; count <= steps.size(); ++count) {
        Runtime stepped;
        Runtime once;
        const int a = setup(stepped);
        const int b = setup(once);
        for (size_t i = 0; i < count; ++i) {
            steps[i](stepped, a);
            stepped.ComposeScreen();
            steps[i](once, b);
        }
        EXPECT_EQ(stepped.ComposeScreen().pixels, once.ComposeScreen().pixels) << count;
    }
}

// Damage-limited composition against composition from scratch: two run-times get the same
// random changes (controls moved, resized, shown, hidden, restacked, relabelled and given new
// values, canvases drawn on; panels moved, resized, recoloured, framed, shown, hidden, brought
// to the front and discarded, child panels and a grandchild among them); one composes only what
// changed, the other everything, after every change or few. Every panel's own pixels are
// compared as well as the screen's, hidden ones included.
TEST(ScreenDamage, ComposingWhatChangedGivesTheWholeCompositionsPixels) {
    struct Side {
        std::unique_ptr<Runtime> rt;
        // main, simple, a second top-level simple panel, two children of main and a child of
        // the first child.
        std::vector<int> panels;
    };
    const auto make_side = [] {
        auto presenter = std::make_unique<HeadlessPresenter>();
        presenter->SetEcho(false);
        presenter->SetScreenSize(360, 240);
        Side side{std::make_unique<Runtime>(std::move(presenter)), {}};
        Runtime& rt = *side.rt;
        const int main = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
        const int simple = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kFirstSimplePanel);
        const int other = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kFirstSimplePanel + 2);
        const int child =
            rt.LoadPanelEx(main, kPublicPanelFile, public_panels::kFirstSimplePanel + 1);
        const int second =
            rt.LoadPanelEx(main, kPublicPanelFile, public_panels::kFirstSimplePanel + 3);
        const int grandchild =
            rt.LoadPanelEx(child, kPublicPanelFile, public_panels::kFirstSimplePanel + 4);
        side.panels = {main, simple, other, child, second, grandchild};
        int offset = 0;
        for (int panel : side.panels) {
            rt.SetPanelAttribute(panel, Attr::Width, 160 - offset);
            rt.SetPanelAttribute(panel, Attr::Height, 120 - offset);
            rt.SetPanelAttribute(panel, Attr::Left, offset);
            rt.SetPanelAttribute(panel, Attr::Top, offset / 2);
            rt.SetPanelAttribute(panel, Attr::BackColor, 0x102030 * (offset / 20 + 1));
            rt.DisplayPanel(panel);
            offset += 20;
        }
        rt.SetPanelAttribute(main, Attr::Left, 20);
        rt.SetPanelAttribute(main, Attr::Top, 30);
        rt.SetCtrlAttribute(main, ids::kTextCanvas, Attr::Width, 120);
        rt.SetCtrlVal(main, ids::kTextCanvas, "A ticker");
        return side;
    };
    Side damaged = make_side();
    Side whole = make_side();

    std::mt19937 random(22);
    const auto any = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    const int controls[] = {ids::kMagicStarLilac, ids::kXyzCanvas, ids::kConstructCanvas,
                            ids::kEffectCanvas,   ids::kDmdCanvas, ids::kTextCanvas,
                            ids::kTntText,        ids::kDynPic0,   ids::kLinebox};
    const int canvases[] = {ids::kConstructCanvas, ids::kEffectCanvas, ids::kDmdCanvas};
    int frames = 0;
    for (int round = 0; round < 800; ++round) {
        // One random change, drawn once and applied to both sides alike.
        const int kind = any(0, 15);
        const int control = controls[any(0, 8)];
        const int canvas = canvases[any(0, 2)];
        // Now and then a position at the end of the int range, far from everything.
        const int a = any(0, 40) == 0 ? INT32_MIN : any(-40, 200);
        const int b = any(0, 40) == 0 ? INT32_MAX : any(-40, 200);
        const int size = any(0, 90);
        const uint32_t color = random() & 0xFFFFFF;
        const std::string text = "text " + std::to_string(any(0, 99999));
        // Discarding is rare, so that most of the sequence still has every panel.
        const size_t panel_pick = static_cast<size_t>(any(0, 5));
        // A panel without children of its own.
        const bool discard = kind == 13 && panel_pick != 0 && panel_pick != 3 && any(0, 9) == 0;
        for (Side* side : {&damaged, &whole}) {
            Runtime& rt = *side->rt;
            const int main = side->panels[0];
            const int panel = side->panels[panel_pick];
            switch (kind) {
                case 0:
                    rt.SetCtrlAttribute(main, control, Attr::Left, a);
                    rt.SetCtrlAttribute(main, control, Attr::Top, b);
                    break;
                case 1:
                    rt.SetCtrlAttribute(main, control, Attr::Width, size + 1);
                    rt.SetCtrlAttribute(main, control, Attr::Height, size / 2 + 1);
                    break;
                case 2:
                    rt.SetCtrlAttribute(main, control, Attr::Visible, a & 1);
                    break;
                case 3:
                    rt.SetCtrlAttribute(main, control, Attr::ZPlanePosition, size % 12);
                    break;
                case 4:
                    rt.SetCtrlVal(main, (a & 1) == 0 ? ids::kTextCanvas : ids::kTntText, text);
                    rt.SetCtrlAttribute(main, ids::kTntText, Attr::LabelText, text);
                    rt.SetCtrlAttribute(main, ids::kTntText, Attr::LabelVisible, b & 1);
                    break;
                case 5:
                    rt.SetCtrlAttribute(main, canvas, Attr::FillColor, static_cast<int>(color));
                    rt.CanvasDrawRect(main, canvas, MakeRect(b, a, size, size), DrawMode::Interior);
                    rt.CanvasDrawPoint(main, canvas, MakePoint(b, a));
                    break;
                case 6:
                    rt.SetPanelAttribute(panel, Attr::Left, a);
                    rt.SetPanelAttribute(panel, Attr::Top, b);
                    break;
                case 7:
                    // A small step, as a panel that glides.
                    rt.SetPanelAttribute(panel, Attr::Left, size - 30);
                    rt.SetPanelAttribute(panel, Attr::Top, size / 3 - 10);
                    break;
                case 8:
                    rt.SetPanelAttribute(panel, Attr::BackColor, static_cast<int>(color));
                    break;
                case 9:
                    if ((a & 1) == 0) {
                        rt.HidePanel(panel);
                    } else {
                        rt.DisplayPanel(panel);  // shows it, or brings it to the front
                    }
                    break;
                case 10:
                    rt.SetPanelAttribute(panel, (b & 1) == 0 ? Attr::Width : Attr::Height,
                                         20 + size);
                    break;
                case 11:
                    rt.SetPanelAttribute(panel, Attr::FrameVisible, a & 1);
                    break;
                case 12:
                    rt.SetPanelAttribute(panel, Attr::Enabled, a & 1);
                    break;
                case 14: {
                    // The panel's canvas made to cover it alone, as a DMD panel's does.
                    const int own = panel_pick == 0 ? ids::kDmdCanvas : simple_panel::kCanvas;
                    int width = 0;
                    int height = 0;
                    rt.GetPanelAttribute(panel, Attr::Width, &width);
                    rt.GetPanelAttribute(panel, Attr::Height, &height);
                    rt.SetCtrlAttribute(panel, own, Attr::Left, 0);
                    rt.SetCtrlAttribute(panel, own, Attr::Top, 0);
                    rt.SetCtrlAttribute(panel, own, Attr::Width, width);
                    rt.SetCtrlAttribute(panel, own, Attr::Height, height);
                    rt.SetCtrlAttribute(panel, own, Attr::Visible, 1);
                    if (panel_pick == 0) {
                        for (int other : controls) {
                            if (other != own) rt.SetCtrlAttribute(panel, other, Attr::Visible, 0);
                        }
                    }
                    break;
                }
                case 15: {
                    const int own = panel_pick == 0 ? ids::kDmdCanvas : simple_panel::kCanvas;
                    rt.SetCtrlAttribute(panel, own, Attr::FillColor, static_cast<int>(color));
                    rt.CanvasDrawRect(panel, own, MakeRect(b, a, size, size), DrawMode::Interior);
                    break;
                }
                default:
                    if (discard) {
                        rt.DiscardPanel(panel);
                        side->panels[panel_pick] = rt.LoadPanelEx(
                            panel_pick < 3 ? 0 : side->panels[panel_pick == 5 ? 3 : 0],
                            kPublicPanelFile, public_panels::kFirstSimplePanel + 5);
                        rt.SetPanelAttribute(side->panels[panel_pick], Attr::Width, 50);
                        rt.SetPanelAttribute(side->panels[panel_pick], Attr::Height, 40);
                        rt.DisplayPanel(side->panels[panel_pick]);
                    } else {
                        rt.DisplayPanel(panel);
                    }
                    break;
            }
        }
        if (any(0, 2) == 0) continue;  // sometimes several changes make one frame
        ++frames;
        for (size_t i = 0; i < damaged.panels.size(); ++i) {
            Surface got_panel;
            Surface want_panel;
            ASSERT_TRUE(damaged.rt->ComposePanel(damaged.panels[i], &got_panel));
            ASSERT_TRUE(whole.rt->ComposePanel(whole.panels[i], &want_panel));
            ASSERT_EQ(got_panel.width, want_panel.width);
            ASSERT_EQ(got_panel.height, want_panel.height);
            const auto panel_differs = std::mismatch(
                got_panel.pixels.begin(), got_panel.pixels.end(), want_panel.pixels.begin());
            ASSERT_TRUE(panel_differs.first == got_panel.pixels.end())
                << "round " << round << " (change " << kind << "): panel " << i << " pixel ("
                << (panel_differs.first - got_panel.pixels.begin()) % got_panel.width << ", "
                << (panel_differs.first - got_panel.pixels.begin()) / got_panel.width << ")";
        }
        const Surface& got = damaged.rt->ComposeScreen();
        const Surface& want = whole.rt->ComposeScreenWhole();
        ASSERT_EQ(got.width, want.width);
        ASSERT_EQ(got.height, want.height);
        const auto differs =
            std::mismatch(got.pixels.begin(), got.pixels.end(), want.pixels.begin());
        ASSERT_TRUE(differs.first == got.pixels.end())
            << "round " << round << " (change " << kind << "): pixel ("
            << (differs.first - got.pixels.begin()) % got.width << ", "
            << (differs.first - got.pixels.begin()) / got.width << ")";
    }
    EXPECT_GT(frames, 400);
}

// A change on a child panel and one on its parent in the same frame: composing the child's
// part must not disturb the parent's part being composed around it.
TEST(ScreenDamage, ChildAndParentChangingTogetherKeepTheParentsPixels) {
    const auto make = [](Runtime& rt, int* main, int* child) {
        *main = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
        *child = rt.LoadPanelEx(*main, kPublicPanelFile, public_panels::kFirstSimplePanel);
        rt.SetPanelAttribute(*main, Attr::Width, 200);
        rt.SetPanelAttribute(*main, Attr::Height, 100);
        rt.SetPanelAttribute(*child, Attr::Left, 120);
        rt.SetPanelAttribute(*child, Attr::Width, 60);
        rt.SetPanelAttribute(*child, Attr::Height, 40);
        rt.DisplayPanel(*main);
        rt.DisplayPanel(*child);
        rt.SetCtrlAttribute(*child, simple_panel::kCanvas, Attr::FillColor, static_cast<int>(kRed));
        rt.SetCtrlAttribute(*main, ids::kDmdCanvas, Attr::FillColor, static_cast<int>(kGreen));
    };
    Runtime damaged;
    int main = 0;
    int child = 0;
    make(damaged, &main, &child);
    damaged.ComposeScreen();
    const auto change = [](Runtime& rt, int main_panel, int child_panel) {
        rt.CanvasDrawRect(child_panel, simple_panel::kCanvas, MakeRect(5, 5, 10, 10),
                          DrawMode::Interior);
        rt.CanvasDrawRect(main_panel, ids::kDmdCanvas, MakeRect(60, 10, 20, 30),
                          DrawMode::Interior);
    };
    change(damaged, main, child);
    Runtime whole;
    make(whole, &main, &child);
    change(whole, main, child);
    Surface got;
    Surface want;
    ASSERT_TRUE(damaged.ComposePanel(main, &got));
    whole.ComposeScreenWhole();
    ASSERT_TRUE(whole.ComposePanel(main, &want));
    EXPECT_TRUE(got.pixels == want.pixels);
}

// What each kind of change composes again: where a panel was and where it is, not the whole
// screen or parent panel; nothing for a change that shows nothing.
TEST(ScreenDamage, MovesRestackingAndShowingComposeOnlyTheOldAndNewPlaces) {
    auto presenter = std::make_unique<HeadlessPresenter>();
    presenter->SetEcho(false);
    presenter->SetScreenSize(1000, 800);
    Runtime rt(std::move(presenter));
    const int main = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
    const int small = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kFirstSimplePanel);
    const int child = rt.LoadPanelEx(main, kPublicPanelFile, public_panels::kFirstSimplePanel + 1);
    const auto place = [&](int panel, int left, int top, int width, int height) {
        rt.SetPanelAttribute(panel, Attr::Left, left);
        rt.SetPanelAttribute(panel, Attr::Top, top);
        rt.SetPanelAttribute(panel, Attr::Width, width);
        rt.SetPanelAttribute(panel, Attr::Height, height);
        rt.DisplayPanel(panel);
    };
    place(main, 100, 100, 600, 400);
    place(small, 20, 20, 50, 30);
    place(child, 10, 10, 40, 20);
    rt.ComposeScreen();
    Rect changed{};
    rt.ComposedPanelPixels(main, &changed);
    const auto framed = [](int left, int top, int width, int height) {
        return MakeRect(top - kFrameWidth, left - kFrameWidth, height + 2 * kFrameWidth,
                        width + 2 * kFrameWidth);
    };

    // A top-level panel moving far, first across, then down: each place it took, on its own.
    rt.SetPanelAttribute(small, Attr::Left, 900);
    rt.SetPanelAttribute(small, Attr::Top, 700);
    rt.ComposeScreen();
    EXPECT_EQ(rt.LastScreenRegions(),
              (std::vector<Rect>{framed(20, 20, 50, 30), framed(900, 20, 50, 30),
                                 framed(900, 700, 50, 30)}));

    // Brought to the front, hidden, shown and given no frame: only where it lies.
    rt.DisplayPanel(main);
    rt.ComposeScreen();
    EXPECT_EQ(rt.LastScreenRegions(), std::vector<Rect>{framed(100, 100, 600, 400)});
    rt.HidePanel(small);
    rt.ComposeScreen();
    EXPECT_EQ(rt.LastScreenRegions(), std::vector<Rect>{framed(900, 700, 50, 30)});
    rt.DisplayPanel(small);
    rt.SetPanelAttribute(small, Attr::FrameVisible, 0);
    rt.ComposeScreen();
    EXPECT_EQ(rt.LastScreenRegions(), std::vector<Rect>{framed(900, 700, 50, 30)});

    // Growing: the old and the new place (the new one holds the old).
    rt.SetPanelAttribute(small, Attr::Width, 80);
    rt.ComposeScreen();
    EXPECT_EQ(rt.LastScreenRegions(), std::vector<Rect>{MakeRect(700, 900, 30, 80)});

    // Input only: nothing to compose.
    rt.SetPanelAttribute(small, Attr::Enabled, 0);
    rt.SetPanelAttribute(main, Attr::Sizable, 0);
    rt.ComposeScreen();
    EXPECT_TRUE(rt.LastScreenRegions().empty());

    // A child panel moving: its old and new place in the parent (joined), and each of them on
    // the screen.
    rt.ComposedPanelPixels(main, &changed);
    rt.SetPanelAttribute(child, Attr::Left, 30);
    rt.ComposeScreen();
    rt.ComposedPanelPixels(main, &changed);
    EXPECT_EQ(changed, MakeRect(10, 10, 20, 60));
    EXPECT_EQ(rt.LastScreenRegions(),
              (std::vector<Rect>{MakeRect(110, 110, 20, 40), MakeRect(110, 130, 20, 40)}));
    rt.HidePanel(child);
    rt.ComposeScreen();
    rt.ComposedPanelPixels(main, &changed);
    EXPECT_EQ(changed, MakeRect(10, 30, 20, 40));

    // A control brought to the front: only its own rectangle.
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::Left, 200);
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::Top, 150);
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::Width, 64);
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::Height, 48);
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::Visible, 1);
    rt.ComposeScreen();
    rt.ComposedPanelPixels(main, &changed);
    rt.SetCtrlAttribute(main, ids::kXyzCanvas, Attr::ZPlanePosition, 0);
    rt.ComposeScreen();
    rt.ComposedPanelPixels(main, &changed);
    EXPECT_EQ(changed, MakeRect(150, 200, 48, 64));

    // Far more separate changes than are kept apart still compose every one of them.
    for (int i = 0; i < 20; ++i)
        rt.SetPanelAttribute(small, Attr::Left, i * 45);
    rt.ComposeScreen();
    ASSERT_EQ(rt.LastScreenRegions().size(), 1u);
    EXPECT_EQ(rt.LastScreenRegions()[0], MakeRect(700, 0, 30, 900 + 80));
}

}  // namespace
}  // namespace tov::platform
