// What the sweeps over the member table share: the engine states they call members in, the
// ordinary value of each parameter, the edge values each argument position takes in turn, and
// the files the members find in the current folder. Header-only: only test executables that
// link tov_server include it.
#pragma once

#include <gtest/gtest.h>

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

namespace tov::testing {

inline constexpr std::string_view kSweepFace = "DejaVu Sans";
inline constexpr std::string_view kSweepPicture = "picture.png";

// The engine states every member is swept in.
enum class SweepState {
    NoPanel,
    MainPanel,           // an 800 x 600 main panel
    ExtraPanel,          // main and extra panel
    AuxiliaryPanels,     // main panel and every auxiliary panel
    AuxiliaryDiscarded,  // the same, the auxiliary panels installed and discarded again
    EffectsSetUp,        // both panels, pictures in slots 0..2, every Set, Generate and Prepare
};

inline constexpr SweepState kSweepStates[] = {
    SweepState::NoPanel,         SweepState::MainPanel,          SweepState::ExtraPanel,
    SweepState::AuxiliaryPanels, SweepState::AuxiliaryDiscarded, SweepState::EffectsSetUp};

inline const char* NameOf(SweepState state) {
    switch (state) {
        case SweepState::NoPanel:
            return "NoPanel";
        case SweepState::MainPanel:
            return "MainPanel";
        case SweepState::ExtraPanel:
            return "ExtraPanel";
        case SweepState::AuxiliaryPanels:
            return "AuxiliaryPanels";
        case SweepState::AuxiliaryDiscarded:
            return "AuxiliaryDiscarded";
        case SweepState::EffectsSetUp:
            return "EffectsSetUp";
    }
    return "?";
}

// Members that reach outside the process are not swept.
inline bool Swept(std::string_view name) {
    return name != "WinExecute";
}

// The sizes and places the ordinary values give: small ones (64 x 64 at 10, 10) with a short
// text, or the whole 800 x 600 main panel (at 0, 0) with a text of every printable character,
// where every step of an effect and every text does the most work.
enum class Extent { Small, WholePanel };

// An ordinary value for a parameter, chosen by its name and type, so that the other arguments
// get a call past its first checks.
inline platform::Variant OrdinaryValue(const server::Param& param, Extent extent = Extent::Small) {
    using platform::Variant;
    using server::ParamType;
    const std::string_view name = param.name;
    const auto contains = [name](std::string_view part) {
        return name.find(part) != std::string_view::npos;
    };
    switch (param.type) {
        case ParamType::Text:
            if (name == "HScoreFileName") return Variant::String("scores.hsc");
            if (contains("FileName")) return Variant::String(kSweepPicture);
            if (contains("Font") || name == "thisFont") return Variant::String(kSweepFace);
            if (extent == Extent::WholePanel) {
                std::string printable;
                for (char c = 0x20; c < 0x7F; ++c)
                    printable += c;
                return Variant::String(printable);
            }
            return Variant::String("Ab 12");
        case ParamType::R8:
            return Variant::R8(1.0);
        case ParamType::I4:
            return Variant::I4(contains("Color") ? 0xFFCC00 : 1);
        case ParamType::UI1:
            return Variant::UI1(1);
        case ParamType::I2:
            if (extent == Extent::WholePanel) {
                if (contains("Width")) return Variant::I2(800);
                if (contains("Height")) return Variant::I2(600);
                if (contains("Pos")) return Variant::I2(0);
            }
            if (contains("Width") || contains("Height")) return Variant::I2(64);
            if (contains("FontSize") || contains("FontHeight")) return Variant::I2(12);
            if (contains("Pos")) return Variant::I2(10);
            return Variant::I2(1);
        default:
            return Variant();
    }
}

// The edge values each argument position takes in turn.
inline std::vector<platform::Variant> EdgeValues() {
    using platform::Variant;
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

// The arguments of one call of a member with ordinary values: out arguments refer to `outs`
// (kMaxParams variants, indexed by parameter). `positions` receives the parameter index of each
// argument.
inline std::vector<platform::Variant> OrdinaryArguments(const server::MemberDecl& member,
                                                        std::vector<platform::Variant>& outs,
                                                        std::vector<int>* positions = nullptr,
                                                        Extent extent = Extent::Small) {
    std::vector<platform::Variant> arguments;
    for (int p = 0; p < member.param_count; ++p) {
        const server::Param& param = member.params[p];
        if (server::IsResult(param.type)) continue;
        if (positions != nullptr) positions->push_back(p);
        arguments.push_back(param.type == server::ParamType::VariantOut
                                ? platform::Variant::Ref(&outs[p])
                                : OrdinaryValue(param, extent));
    }
    return arguments;
}

// One engine over a headless presenter, brought into a sweep state by member calls.
class SweepEngine {
  public:
    SweepEngine() : engine_(MakePresenter()) {}

    Engine& engine() { return engine_; }

    // Calls the member by name with ordinary values where it has a body; the status of a member
    // without one is ignored.
    void CallOrdinary(std::string_view name, Extent extent = Extent::Small) {
        const int index = server::MemberIndexOfName(name);
        ASSERT_GE(index, 0) << name;
        const server::MemberDecl& member = server::kMemberTable[index];
        std::vector<platform::Variant> outs(server::kMaxParams);
        std::vector<platform::Variant> arguments = OrdinaryArguments(member, outs, nullptr, extent);
        platform::Variant result;
        server::Invoke(engine_, member.dispid, arguments, &result);
    }

    void Call(std::string_view name, std::vector<platform::Variant> arguments) {
        server::Invoke(engine_, server::kMemberTable[server::MemberIndexOfName(name)].dispid,
                       arguments);
    }

    void Enter(SweepState state) {
        using platform::Variant;
        if (state != SweepState::NoPanel) {
            Call("InstallPanel",
                 {Variant::I2(0), Variant::I2(0), Variant::I2(800), Variant::I2(600)});
        }
        if (state == SweepState::ExtraPanel || state == SweepState::EffectsSetUp) {
            Call("InstallExtraPanel",
                 {Variant::I2(820), Variant::I2(0), Variant::I2(400), Variant::I2(300)});
        }
        if (state == SweepState::AuxiliaryPanels || state == SweepState::AuxiliaryDiscarded) {
            for (std::string_view install : {"InstallWatchPanel", "InstallGemPanel",
                                             "InstallBHGPanel", "InstallSimplePanel"}) {
                CallOrdinary(install);
            }
        }
        if (state == SweepState::AuxiliaryDiscarded) {
            for (std::string_view discard : {"DiscardWatchPanel", "DiscardGemPanel",
                                             "DiscardBHGPanel", "DiscardSimplePanel"}) {
                CallOrdinary(discard);
            }
        }
        if (state == SweepState::EffectsSetUp) {
            for (int16_t slot = 0; slot < 3; ++slot) {
                Call("AddBitmapToSelection", {Variant::String(kSweepPicture), Variant::I2(slot),
                                              Variant::I2(8), Variant::I2(8)});
            }
            for (const server::MemberDecl& member : server::kMemberTable) {
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

// Writes the files the swept members read into `folder`: the picture every file name points at
// and the fixed pictures of the gem panel and the magic star.
inline void WriteSweepFiles(const std::filesystem::path& folder) {
    const platform::Surface picture(40, 24, 0x336699);
    ASSERT_EQ(platform::WritePng((folder / kSweepPicture).string(), picture), 0);
    std::filesystem::create_directory(folder / "gfx_extern");
    for (std::string name :
         {"Schmuckstein0", "Schmuckstein1", "Schmuckstein2", "Schmuckstein3", "MagicStarYellow",
          "MagicStarGreen", "MagicStarLilac", "MagicStarRed"}) {
        ASSERT_EQ(platform::WritePng((folder / "gfx_extern" / (name + ".bmp")).string(), picture),
                  0);
    }
}

// A fresh folder holding the sweep's files, the current folder while the object lives.
class SweepFolder {
  public:
    SweepFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.Path());
        WriteSweepFiles(dir_.Path());
    }
    ~SweepFolder() { std::filesystem::current_path(previous_); }
    SweepFolder(const SweepFolder&) = delete;
    SweepFolder& operator=(const SweepFolder&) = delete;

  private:
    TempDir dir_;
    std::filesystem::path previous_;
};

}  // namespace tov::testing
