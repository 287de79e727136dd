// Timing guard over the member table: in every sweep state, on an 800 x 600 main panel, every
// member is called with the sweep's edge values in each argument position, and a set-up member's
// call is followed by the calls whose work its arguments decide (a transition's steps after its
// Set...Attr). Every call must stay under the limit: 100 ms in an optimised build, more where
// sanitizers or a debug build slow every call down. The ordinary values of the other arguments
// are the sweep's small ones, then ones that cover the whole panel. A call is timed by the CPU
// time of the thread, which other work on a loaded machine hardly changes, and once only: the
// first call fills caches the process keeps (rendered glyphs), so a repeat would hide what the
// first one cost. The slowest call found is printed with its ratio to a memcpy of one
// 800 x 600 frame measured in the same run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "server/dispatch.h"
#include "server/member_table.h"
#include "server/members.h"
#include "support/member_sweep.h"
#include "support/temp_dir.h"

namespace tov::server {
namespace {

using platform::Variant;
using testing::SweepEngine;
using testing::SweepState;

#if defined(__SANITIZE_ADDRESS__)
#define TOV_TIMING_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOV_TIMING_SANITIZED 1
#endif
#endif

// The limit of one call. ASan with UBSan makes the slowest calls three to six times slower than
// an optimised build, an unoptimised build more still; the limits leave room for a loaded
// machine on top.
#if defined(TOV_TIMING_SANITIZED)
constexpr double kLimitSeconds = 0.100 * 10;
#elif !defined(__OPTIMIZE__)
constexpr double kLimitSeconds = 0.100 * 20;
#else
constexpr double kLimitSeconds = 0.100;
#endif

// How often a step member runs after its set-up, so that passes that start late are reached.
constexpr int kFollowUpCalls = 6;

// The members that run after a set-up member, in their order, with ordinary arguments: the
// steps and the changes whose cost the set-up's arguments decide.
std::vector<std::string_view> FollowUps(std::string_view name) {
    if (name == "SetLamellaAttr") return {"ShowLamellaStep"};
    if (name == "SetPixelPicAttr") return {"ShowPixelPicStep"};
    if (name == "SetRotatingPicAttr") return {"ShowRotatingPicStep"};
    if (name == "SetWaveAttr" || name == "ChangeWaveAmplitude") return {"ShowNextWaveStep"};
    if (name == "SetMagicStarAttr") return {"ShowNextMagicStarStep"};
    if (name == "SetBitmapConstructAttr") return {"ShowNextBitmapConstructStep"};
    if (name == "SetBitmapSquareFadeAttr" || name == "SetBitmapSquareValue")
        return {"ShowBitmapSquareFadeNextStep"};
    if (name == "SetBitmapFadeInOutAttr") return {"ChangeBitmapFadeInOutBrightness"};
    if (name == "SetBitmapFadeOverAttr") return {"ChangeBitmapFadeOverIntensity"};
    if (name == "GenerateFrameAnim") return {"PrepareFrameAnim", "ShowFrameAnimFrame"};
    if (name == "PrepareFrameAnim") return {"ShowFrameAnimFrame"};
    if (name == "GenerateXYZAnimXYScrollProc" || name == "GenerateXYZAnimZoomProc")
        return {"PrepareXYZAnimProc", "ShowXYZAnimStep"};
    if (name == "PrepareXYZAnimProc") return {"ShowXYZAnimStep"};
    if (name == "GenerateTextLeftLoopScrollProc")
        return {"PrepareTextLeftLoopScrollProc", "ShowTextLeftLoopScrollNextStep"};
    if (name == "PrepareTextLeftLoopScrollProc") return {"ShowTextLeftLoopScrollNextStep"};
    if (name == "GenerateTextZoomProc") return {"PrepareTextZoomProc", "ShowTextZoomStep"};
    if (name == "PrepareTextZoomProc") return {"ShowTextZoomStep"};
    if (name == "SetTNTAttr") return {"ShowTNT"};
    if (name == "SetUpLoopScrollAttr" || name == "AddLineboxLine")
        return {"ShowUpLoopScrollNextStep"};
    if (name == "SetDMDAttr") return {"ShowDMDText", "ShowDMDNumeric"};
    if (name == "SetSimplePanelDMDAttr") return {"ShowSimplePanelDMDText"};
    return {};
}

// An edge value as a report shows it.
std::string Show(const Variant& value) {
    switch (value.Type()) {
        case platform::VariantType::I4:
            return std::to_string(value.Integer());
        case platform::VariantType::R8: {
            char text[32];
            std::snprintf(text, sizeof text, "%g", value.Real());
            return text;
        }
        case platform::VariantType::String:
            return "a text of " + std::to_string(value.Text().size()) + " characters";
        case platform::VariantType::NullString:
            return "a null string";
        default:
            return "?";
    }
}

// CPU seconds the calling thread has used so far.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One call found slow: which member, in which state, with which edge value where, and which of
// its follow-ups took the time (empty for the member's own call).
struct Slowest {
    double seconds = 0.0;
    SweepState state = SweepState::NoPanel;
    testing::Extent extent = testing::Extent::Small;
    int position = -1;  // the argument position given the edge value; -1 for none
    size_t edge = 0;
    std::string_view follow_up;
};

class Timing : public ::testing::Test {
  protected:
    // Runs one call of `member` in a sweep engine already in its state (the edge value at
    // `position`, none for -1) and its follow-ups, and keeps the slowest of them in `slowest`.
    void TimeCall(SweepEngine& sweep, const MemberDecl& member, SweepState state,
                  testing::Extent extent, int position, size_t edge, Slowest* slowest) {
        std::vector<Variant> outs(kMaxParams);
        std::vector<int> positions;
        std::vector<Variant> arguments =
            testing::OrdinaryArguments(member, outs, &positions, extent);
        if (position >= 0) {
            if (member.params[positions[position]].type == ParamType::VariantOut) {
                outs[positions[position]] = edges_[edge];
            } else {
                arguments[position] = edges_[edge];
            }
        }
        const auto keep = [&](double seconds, std::string_view follow_up) {
            if (seconds > slowest->seconds)
                *slowest = {seconds, state, extent, position, edge, follow_up};
        };
        Variant result;
        double start = ThreadSeconds();
        Invoke(sweep.engine(), member.dispid, arguments, &result);
        keep(ThreadSeconds() - start, {});
        for (std::string_view follow_up : FollowUps(member.name)) {
            const bool step = follow_up.starts_with("Show");
            for (int call = 0; call < (step ? kFollowUpCalls : 1); ++call) {
                start = ThreadSeconds();
                sweep.CallOrdinary(follow_up, extent);
                keep(ThreadSeconds() - start, follow_up);
            }
        }
        if (sweep.engine().Runtime().Popups().size() > 100) sweep.engine().Runtime().ClearPopups();
    }

    std::string Describe(const MemberDecl& member, const Slowest& slow) const {
        std::string text = std::string(member.name) + " in " + testing::NameOf(slow.state);
        if (slow.extent == testing::Extent::WholePanel) text += ", on the whole panel";
        if (slow.position >= 0) {
            std::vector<int> positions;
            for (int p = 0; p < member.param_count; ++p)
                if (!IsResult(member.params[p].type)) positions.push_back(p);
            text += ", " + std::string(member.params[positions[slow.position]].name) + " = " +
                    Show(edges_[slow.edge]);
        }
        if (!slow.follow_up.empty()) text += ", then " + std::string(slow.follow_up);
        return text;
    }

    const std::vector<Variant> edges_ = testing::EdgeValues();
    tov::testing::SweepFolder folder_;
};

// Seconds of one memcpy of an 800 x 600 frame of 32-bit pixels: the fastest of several batches.
double FrameMemcpySeconds() {
    std::vector<uint32_t> from(800 * 600, 0x336699), to(800 * 600);
    double fastest = 1e9;
    for (int batch = 0; batch < 5; ++batch) {
        const double start = ThreadSeconds();
        for (int i = 0; i < 20; ++i) {
            from[i] = static_cast<uint32_t>(i);
            std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
        }
        fastest = std::min(fastest, (ThreadSeconds() - start) / 20);
    }
    return fastest + (to[19] == 19 ? 0.0 : 1.0);
}

TEST_F(Timing, NoEdgeValueMakesACallSlow) {
    // TOV_TIMING_REPORT=1 prints every member's slowest call, not only the slowest of all.
    const char* report = std::getenv("TOV_TIMING_REPORT");
    const bool report_every_member = report != nullptr && std::string_view(report) == "1";
    Slowest worst;
    const MemberDecl* worst_member = nullptr;
    for (int index = 0; index < kMemberCount; ++index) {
        const MemberDecl& member = kMemberTable[index];
        if (BodyAt(index) == nullptr || !testing::Swept(member.name)) continue;
        std::vector<Variant> outs(kMaxParams);
        const size_t positions = testing::OrdinaryArguments(member, outs).size();

        // The member's slowest call over every state, position and edge value.
        Slowest slowest;
        for (SweepState state : testing::kSweepStates) {
            for (testing::Extent extent : {testing::Extent::Small, testing::Extent::WholePanel}) {
                SweepEngine sweep;
                sweep.Enter(state);
                if (positions == 0) TimeCall(sweep, member, state, extent, -1, 0, &slowest);
                for (size_t position = 0; position < positions; ++position) {
                    for (size_t edge = 0; edge < edges_.size(); ++edge) {
                        TimeCall(sweep, member, state, extent, static_cast<int>(position), edge,
                                 &slowest);
                    }
                }
            }
        }
        if (report_every_member) {
            std::printf("%8.2f ms  %s\n", slowest.seconds * 1e3, Describe(member, slowest).c_str());
        }
        EXPECT_LT(slowest.seconds, kLimitSeconds)
            << Describe(member, slowest) << " took " << slowest.seconds * 1e3 << " ms";
        if (slowest.seconds > worst.seconds) {
            worst = slowest;
            worst_member = &member;
        }
    }
    ASSERT_NE(worst_member, nullptr);
    const double frame = FrameMemcpySeconds();
    std::printf("slowest call: %s, %.2f ms, %.0f x a memcpy of an 800 x 600 frame (%.3f ms)\n",
                Describe(*worst_member, worst).c_str(), worst.seconds * 1e3, worst.seconds / frame,
                frame * 1e3);
}

}  // namespace
}  // namespace tov::server
