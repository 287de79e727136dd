#include "platform/panel_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/panel_ids.h"
#include "platform/runtime.h"

namespace tov::platform {
namespace {

struct Expected {
    std::string_view file;
    int resource;
    std::map<int, std::string> kinds;  // control id -> kind name
};

std::map<int, std::string> Range(int first, int last, const std::string& kind) {
    std::map<int, std::string> out;
    for (int id = first; id <= last; ++id)
        out[id] = kind;
    return out;
}

std::vector<Expected> Tables() {
    std::vector<Expected> tables;
    std::map<int, std::string> main = Range(2, 5, "picture ring");
    main[6] = "picture";
    main[7] = main[8] = main[9] = "canvas";
    main[10] = main[11] = main[12] = "text message";
    main[13] = main[14] = main[15] = "picture ring";
    main[16] = "text box";
    tables.push_back({kPublicPanelFile, 1, main});
    for (int r = 2; r <= 9; ++r)
        tables.push_back({kPublicPanelFile, r, {{2, "canvas"}}});

    std::map<int, std::string> board = Range(2, 13, "led");
    board[14] = "canvas";
    tables.push_back({kPrivatePanelFile, 1, board});

    std::map<int, std::string> extra = Range(2, 6, "square led");
    extra[7] = "tank";
    extra[8] = "string display";
    extra[9] = "canvas";
    extra[10] = "string display";
    extra[11] = "thermometer";
    extra[12] = "meter";
    extra[13] = "led";
    extra[14] = "canvas";
    extra[15] = "gauge";
    extra[16] = "ring slide";
    extra[17] = "strip chart";
    extra[18] = "slide";
    for (int id = 19; id <= 26; ++id)
        extra[id] = "picture ring";
    tables.push_back({kPrivatePanelFile, 2, extra});
    tables.push_back({kPrivatePanelFile, 3, {{2, "picture ring"}}});
    tables.push_back({kPrivatePanelFile, 4, {{2, "canvas"}}});
    return tables;
}

TEST(PanelFiles, EveryPanelHasItsControlsWithTheirIdsAndKinds) {
    Runtime rt;
    const std::vector<Expected> tables = Tables();
    EXPECT_EQ(PanelFiles().size(), tables.size());
    for (const Expected& e : tables) {
        const int panel = rt.LoadPanelEx(0, e.file, e.resource);
        ASSERT_GT(panel, 0) << e.file << " " << e.resource;
        std::map<int, std::string> found;
        for (int id : rt.ControlIds(panel)) {
            ControlDescription d;
            ASSERT_TRUE(rt.DescribeControl(panel, id, &d));
            found[id] = d.kind;
        }
        EXPECT_EQ(found, e.kinds) << e.file << " " << e.resource;
    }
}

TEST(PanelFiles, ParkedControlsStartOutOfSightAndLayersLieBehind) {
    Runtime rt;
    const int main = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
    int width = 0;
    rt.GetPanelAttribute(main, Attr::Width, &width);
    for (int id : {10, 6, 8, 12, 5, 3, 2, 4, 7, 16, 11}) {
        int left = 0;
        rt.GetCtrlAttribute(main, id, Attr::Left, &left);
        EXPECT_GE(left, width) << id;
    }
    // The DMD canvas fills the panel behind every other control.
    const std::vector<int> order = rt.ControlIds(main);
    EXPECT_EQ(order.back(), main_panel::kDmdCanvas);
    int dmd_width = 0;
    rt.GetCtrlAttribute(main, main_panel::kDmdCanvas, Attr::Width, &dmd_width);
    EXPECT_EQ(dmd_width, width);

    // The extra panel: its DMD canvas at the back, all gauges hidden until shown.
    const int extra = rt.LoadPanelEx(0, kPrivatePanelFile, private_panels::kExtraPanel);
    const std::vector<int> extra_order = rt.ControlIds(extra);
    EXPECT_EQ(extra_order.back(), extra_panel::kExtraDmdCanvas);
    for (int id : extra_order) {
        int visible = 0;
        rt.GetCtrlAttribute(extra, id, Attr::Visible, &visible);
        EXPECT_EQ(visible, id == extra_panel::kExtraDmdCanvas ? 1 : 0) << id;
    }
    // The clock lies over its disc, the warning LED over the multimeter.
    auto z = [&](int panel, int id) {
        int position = -1;
        rt.GetCtrlAttribute(panel, id, Attr::ZPlanePosition, &position);
        return position;
    };
    EXPECT_LT(z(extra, extra_panel::kClock), z(extra, extra_panel::kClockDisc));
    EXPECT_LT(z(extra, extra_panel::kMultimeterWarningLed), z(extra, extra_panel::kMultimeter));

    // The LED board's lamps lie over its canvas and show their captions.
    const int board = rt.LoadPanelEx(0, kPrivatePanelFile, private_panels::kLedBoardPanel);
    EXPECT_EQ(rt.ControlIds(board).back(), led_board_panel::kCanvas);
    std::string caption;
    rt.GetCtrlAttribute(board, 11, Attr::LabelText, &caption);
    EXPECT_EQ(caption, "Lamp 1");  // lamp 1 is control 11
}

TEST(PanelFiles, FileNamesIgnoreCaseAndFolders) {
    int status = 0;
    EXPECT_NE(FindPanelSpec("TOV_PUBLIC.UIR", 1, &status), nullptr);
    EXPECT_NE(FindPanelSpec("..\\ui\\tov_private.uir", 4, &status), nullptr);
    EXPECT_EQ(FindPanelSpec("tov_public.uir.bak", 1, &status), nullptr);
    EXPECT_EQ(status, kUIEFileNotLoaded);
    EXPECT_EQ(FindPanelSpec("tov_private.uir", 5, &status), nullptr);
    EXPECT_EQ(status, kUIEInvalidResource);
}

}  // namespace
}  // namespace tov::platform
