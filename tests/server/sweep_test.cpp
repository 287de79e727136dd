// Every bound member called with edge arguments in every engine state: each argument position in
// turn takes each edge value while the others keep ordinary values. No call crashes (the
// sanitizer builds run this too), every status is a success, the body's failure or a refusal of
// the dispatch layer, every failure of a body comes with exactly one popup and every other
// status with none. Members without a body yet are skipped; they join the sweep once bound.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/presenters/headless.h"
#include "server/dispatch.h"
#include "server/member_table.h"
#include "server/members.h"
#include "support/temp_dir.h"

namespace tov::server {
namespace {

using platform::Variant;

constexpr std::string_view kFace = "DejaVu Sans";
constexpr std::string_view kPicture = "picture.png";

// The engine states every member is swept in.
enum class State {
    NoPanel,
    MainPanel,
    ExtraPanel,          // main and extra panel
    AuxiliaryPanels,     // main panel and every auxiliary panel
    AuxiliaryDiscarded,  // the same, the auxiliary panels installed and discarded again
    EffectsSetUp,        // both panels, pictures in slots 0..2, every Set, Generate and Prepare
};

const char* NameOf(State state) {
    switch (state) {
        case State::NoPanel:
            return "NoPanel";
        case State::MainPanel:
            return "MainPanel";
        case State::ExtraPanel:
            return "ExtraPanel";
        case State::AuxiliaryPanels:
            return "AuxiliaryPanels";
        case State::AuxiliaryDiscarded:
            return "AuxiliaryDiscarded";
        case State::EffectsSetUp:
            return "EffectsSetUp";
    }
    return "?";
}

// Members that show a popup with status 0 by design: a font that is not installed, the memory
// report, and the gem panel's install and the magic stars' set-up, which warn once per missing
// picture and go on.
bool InformsWithSuccess(std::string_view name) {
    return name == "CheckFont" || name == "ShowMemoryStatus" || name == "InstallGemPanel" ||
           name == "SetMagicStarAttr";
}

// Members that reach outside the process are not swept.
bool Swept(std::string_view name) {
    return name != "WinExecute";
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// An ordinary value for a parameter, chosen by its name and type, so that the other arguments
// get a call past its first checks.
Variant OrdinaryValue(const Param& param) {
    const std::string_view name = param.name;
    switch (param.type) {
        case ParamType::Text:
            if (name == "HScoreFileName") return Variant::String("scores.hsc");
            if (Contains(name, "FileName")) return Variant::String(kPicture);
            if (Contains(name, "Font") || name == "thisFont") return Variant::String(kFace);
            return Variant::String("Ab 12");
        case ParamType::R8:
            return Variant::R8(1.0);
        case ParamType::I4:
            return Variant::I4(Contains(name, "Color") ? 0xFFCC00 : 1);
        case ParamType::UI1:
            return Variant::UI1(1);
        case ParamType::I2:
            if (Contains(name, "Width") || Contains(name, "Height")) return Variant::I2(64);
            if (Contains(name, "FontSize") || Contains(name, "FontHeight")) return Variant::I2(12);
            if (Contains(name, "Pos")) return Variant::I2(10);
            return Variant::I2(1);
        default:
            return Variant();
    }
}

// The edge values each argument position takes in turn.
std::vector<Variant> EdgeValues() {
    std::vector<Variant> values;
    for (int32_t v : {0, -1, -2, 1, 32767, -32768, 65535, std::numeric_limits<int32_t>::max(), 499,
                      500, 99, 100}) {
        values.push_back(Variant::I4(v));
    }
    for (double v : {1e10, -1e10, 0.5, std::numeric_limits<double>::quiet_NaN()})
        values.push_back(Variant::R8(v));
    values.push_back(Variant::String(""));
    values.push_back(Variant::NullString());
    values.push_back(Variant::String(std::string(10000, 'W')));
    return values;
}

class SweepEngine {
  public:
    SweepEngine() : engine_(MakePresenter()) {}

    Engine& engine() { return engine_; }

    // Calls the member by name with ordinary values where it has a body; the status of a member
    // without one is ignored.
    void CallOrdinary(std::string_view name) {
        const int index = MemberIndexOfName(name);
        ASSERT_GE(index, 0) << name;
        const MemberDecl& member = kMemberTable[index];
        std::vector<Variant> outs(kMaxParams);
        std::vector<Variant> arguments;
        for (int p = 0; p < member.param_count; ++p) {
            const Param& param = member.params[p];
            if (IsResult(param.type)) continue;
            arguments.push_back(param.type == ParamType::VariantOut ? Variant::Ref(&outs[p])
                                                                    : OrdinaryValue(param));
        }
        Variant result;
        Invoke(engine_, member.dispid, arguments, &result);
    }

    void Call(std::string_view name, std::vector<Variant> arguments) {
        Invoke(engine_, kMemberTable[MemberIndexOfName(name)].dispid, arguments);
    }

    void Enter(State state) {
        if (state != State::NoPanel) {
            Call("InstallPanel",
                 {Variant::I2(0), Variant::I2(0), Variant::I2(800), Variant::I2(600)});
        }
        if (state == State::ExtraPanel || state == State::EffectsSetUp) {
            Call("InstallExtraPanel",
                 {Variant::I2(820), Variant::I2(0), Variant::I2(400), Variant::I2(300)});
        }
        if (state == State::AuxiliaryPanels || state == State::AuxiliaryDiscarded) {
            for (std::string_view install : {"InstallWatchPanel", "InstallGemPanel",
                                             "InstallBHGPanel", "InstallSimplePanel"}) {
                CallOrdinary(install);
            }
        }
        if (state == State::AuxiliaryDiscarded) {
            for (std::string_view discard : {"DiscardWatchPanel", "DiscardGemPanel",
                                             "DiscardBHGPanel", "DiscardSimplePanel"}) {
                CallOrdinary(discard);
            }
        }
        if (state == State::EffectsSetUp) {
            for (int16_t slot = 0; slot < 3; ++slot) {
                Call("AddBitmapToSelection", {Variant::String(kPicture), Variant::I2(slot),
                                              Variant::I2(8), Variant::I2(8)});
            }
            for (const MemberDecl& member : kMemberTable) {
                const std::string_view name = member.name;
                if (name.starts_with("Set") || name.starts_with("Generate") ||
                    name.starts_with("Prepare")) {
                    CallOrdinary(name);
                }
            }
        }
        engine_.Runtime().ClearPopups();
    }

  private:
    static std::unique_ptr<platform::Presenter> MakePresenter() {
        auto presenter = std::make_unique<platform::HeadlessPresenter>();
        presenter->SetEcho(false);
        return presenter;
    }

    Engine engine_;
};

class Sweep : public ::testing::TestWithParam<State> {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        platform::Surface picture(40, 24, 0x336699);
        ASSERT_EQ(platform::WritePng(dir_.File(std::string(kPicture)), picture), 0);
        // The fixed pictures of the gem panel and the magic star.
        std::filesystem::create_directory(dir_.Path() / "gfx_extern");
        for (std::string name :
             {"Schmuckstein0", "Schmuckstein1", "Schmuckstein2", "Schmuckstein3", "MagicStarYellow",
              "MagicStarGreen", "MagicStarLilac", "MagicStarRed"}) {
            ASSERT_EQ(platform::WritePng(dir_.File("gfx_extern/" + name + ".bmp"), picture), 0);
        }
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    testing::TempDir dir_;
    std::filesystem::path previous_;
};

TEST_P(Sweep, EveryPositionWithEveryEdgeValue) {
    const State state = GetParam();
    const std::vector<Variant> edges = EdgeValues();
    int calls = 0;
    for (int index = 0; index < kMemberCount; ++index) {
        const MemberDecl& member = kMemberTable[index];
        if (BodyAt(index) == nullptr || !Swept(member.name)) continue;
        SweepEngine sweep;
        sweep.Enter(state);
        platform::Runtime& rt = sweep.engine().Runtime();

        std::vector<Variant> outs(kMaxParams);
        std::vector<Variant> ordinary;
        std::vector<int> positions;  // the parameter index of each argument
        for (int p = 0; p < member.param_count; ++p) {
            const Param& param = member.params[p];
            if (IsResult(param.type)) continue;
            positions.push_back(p);
            ordinary.push_back(param.type == server::ParamType::VariantOut ? Variant::Ref(&outs[p])
                                                                           : OrdinaryValue(param));
        }
        // A member without arguments is called once; the others once per position and value.
        const size_t rounds = ordinary.empty() ? 1 : ordinary.size() * edges.size();
        for (size_t round = 0; round < rounds; ++round) {
            std::vector<Variant> arguments = ordinary;
            std::string what = std::string(member.name) + " in " + NameOf(state);
            if (!ordinary.empty()) {
                const size_t position = round / edges.size();
                const Param& param = member.params[positions[position]];
                // Out arguments stay references: the edge value is what they hold before.
                if (param.type == server::ParamType::VariantOut) {
                    outs[positions[position]] = edges[round % edges.size()];
                } else {
                    arguments[position] = edges[round % edges.size()];
                }
                what += ", " + std::string(param.name) + " = edge value " +
                        std::to_string(round % edges.size());
            }
            const size_t before = rt.Popups().size();
            Variant result;
            const HResult status = Invoke(sweep.engine(), member.dispid, arguments, &result);
            const size_t popups = rt.Popups().size() - before;
            ++calls;
            ASSERT_TRUE(status == kOk || status == kBodyFailed || status == kTypeMismatch)
                << what << ": status " << std::hex << status;
            if (status == kBodyFailed) {
                ASSERT_EQ(popups, 1u) << what;
            } else if (InformsWithSuccess(member.name)) {
                ASSERT_LE(popups, 4u) << what;
            } else {
                ASSERT_EQ(popups, 0u) << what << ": " << rt.Popups().back().text;
            }
            if (rt.Popups().size() > 100) rt.ClearPopups();
        }
    }
    RecordProperty("calls", calls);
}

INSTANTIATE_TEST_SUITE_P(EngineStates, Sweep,
                         ::testing::Values(State::NoPanel, State::MainPanel, State::ExtraPanel,
                                           State::AuxiliaryPanels, State::AuxiliaryDiscarded,
                                           State::EffectsSetUp),
                         [](const ::testing::TestParamInfo<State>& state) {
                             return std::string(NameOf(state.param));
                         });

}  // namespace
}  // namespace tov::server
