// Every bound member called with edge arguments, before and after InstallPanel: no call
// crashes (the sanitizer builds run this too), every status is a success or the body's failure,
// and every failure comes with exactly one popup.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/presenters/headless.h"
#include "server/dispatch.h"
#include "server/member_table.h"
#include "server/members.h"
#include "support/temp_dir.h"

namespace tov::server {
namespace {

using platform::Variant;

enum class Edge { Zero, MinusOne, Largest, Smallest };

Variant EdgeValue(ParamType type, Edge edge, const std::string& text) {
    switch (type) {
        case ParamType::I2:
        case ParamType::I4:
        case ParamType::UI1:
            switch (edge) {
                case Edge::Zero:
                    return Variant::I4(0);
                case Edge::MinusOne:
                    return Variant::I4(-1);
                case Edge::Largest:
                    return Variant::I4(type == ParamType::I4 ? std::numeric_limits<int32_t>::max()
                                                             : 32767);
                case Edge::Smallest:
                    return Variant::I4(type == ParamType::I4 ? std::numeric_limits<int32_t>::min()
                                                             : -32768);
            }
            break;
        case ParamType::R8:
            switch (edge) {
                case Edge::Zero:
                    return Variant::R8(0.0);
                case Edge::MinusOne:
                    return Variant::R8(-1.0);
                case Edge::Largest:
                    return Variant::R8(1e300);
                case Edge::Smallest:
                    return Variant::R8(-1e-300);
            }
            break;
        case ParamType::Text:
            return edge == Edge::Zero ? Variant::NullString() : Variant::String(text);
        default:
            break;
    }
    return Variant();
}

// Members that reach outside the process are not swept.
bool Swept(std::string_view name) {
    return name != "WinExecute";
}

class Sweep : public ::testing::TestWithParam<Edge> {};

TEST_P(Sweep, EveryFailureComesWithExactlyOnePopup) {
    testing::TempDir dir;
    const Edge edge = GetParam();
    const std::string text = edge == Edge::MinusOne  ? dir.File("missing.bmp")
                             : edge == Edge::Largest ? dir.File(std::string(300, 'x'))
                                                     : dir.File("a\\b\\..\\c.bmp");
    for (bool installed : {false, true}) {
        for (int index = 0; index < kMemberCount; ++index) {
            const MemberDecl& member = kMemberTable[index];
            if (BodyAt(index) == nullptr || !Swept(member.name)) continue;
            SCOPED_TRACE(std::string(member.name) + (installed ? " after" : " before") +
                         " InstallPanel");

            auto presenter = std::make_unique<platform::HeadlessPresenter>();
            presenter->SetEcho(false);
            Engine engine(std::move(presenter));
            if (installed) {
                std::vector<Variant> install = {Variant::I2(0), Variant::I2(0), Variant::I2(800),
                                                Variant::I2(600)};
                ASSERT_EQ(Invoke(engine, 13, install), kOk);
                engine.Runtime().ClearPopups();
            }

            std::vector<Variant> outs(kMaxParams);
            std::vector<Variant> arguments;
            for (int p = 0; p < member.param_count; ++p) {
                const server::ParamType type = member.params[p].type;
                if (IsResult(type)) continue;
                arguments.push_back(type == server::ParamType::VariantOut
                                        ? Variant::Ref(&outs[p])
                                        : EdgeValue(type, edge, text));
            }
            Variant result;
            const HResult status = Invoke(engine, member.dispid, arguments, &result);
            const size_t popups = engine.Runtime().Popups().size();
            EXPECT_TRUE(status == kOk || status == kBodyFailed) << std::hex << status;
            if (status == kBodyFailed) {
                EXPECT_EQ(popups, 1u);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeArguments, Sweep,
                         ::testing::Values(Edge::Zero, Edge::MinusOne, Edge::Largest,
                                           Edge::Smallest));

}  // namespace
}  // namespace tov::server
