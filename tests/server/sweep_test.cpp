// Every bound member called with edge arguments in every engine state: each argument position in
// turn takes each edge value while the others keep ordinary values. No call crashes (the
// sanitizer builds run this too), every status is a success, the body's failure or a refusal of
// the dispatch layer, every failure of a body comes with exactly one popup and every other
// status with none. Members without a body yet are skipped; they join the sweep once bound.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
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

// Members that show a popup with status 0 by design: a font that is not installed, the memory
// report, and the gem panel's install and the magic stars' set-up, which warn once per missing
// picture and go on.
bool InformsWithSuccess(std::string_view name) {
    return name == "CheckFont" || name == "ShowMemoryStatus" || name == "InstallGemPanel" ||
           name == "SetMagicStarAttr";
}

class Sweep : public ::testing::TestWithParam<SweepState> {
  protected:
    tov::testing::SweepFolder folder_;
};

TEST_P(Sweep, EveryPositionWithEveryEdgeValue) {
    const SweepState state = GetParam();
    const std::vector<Variant> edges = testing::EdgeValues();
    int calls = 0;
    for (int index = 0; index < kMemberCount; ++index) {
        const MemberDecl& member = kMemberTable[index];
        if (BodyAt(index) == nullptr || !testing::Swept(member.name)) continue;
        SweepEngine sweep;
        sweep.Enter(state);
        platform::Runtime& rt = sweep.engine().Runtime();

        std::vector<Variant> outs(kMaxParams);
        std::vector<int> positions;  // the parameter index of each argument
        const std::vector<Variant> ordinary = testing::OrdinaryArguments(member, outs, &positions);
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

INSTANTIATE_TEST_SUITE_P(EngineStates, Sweep, ::testing::ValuesIn(testing::kSweepStates),
                         [](const ::testing::TestParamInfo<SweepState>& state) {
                             return std::string(testing::NameOf(state.param));
                         });

}  // namespace
}  // namespace tov::server
