#include "server/dispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/presenters/headless.h"
#include "server/member_table.h"
#include "server/members.h"

namespace tov::server {
namespace {

using platform::Variant;
using platform::VariantType;

constexpr int32_t kInstallPanel = 13;
constexpr int32_t kSetPanelUserLock = 130;
constexpr int32_t kChangePanelColor = 119;
constexpr int32_t kScreenWidth = 33;
constexpr int32_t kMouseXPos = 124;
constexpr int32_t kLMB = 126;
constexpr int32_t kReadHighscoreFromCVI = 145;
constexpr int32_t kWriteHighscoreToCVI = 146;

// An engine over a headless presenter whose screen is 1280 x 1024 and that prints nothing.
class DispatchTest : public ::testing::Test {
  protected:
    DispatchTest() {
        auto presenter = std::make_unique<platform::HeadlessPresenter>();
        presenter->SetScreenSize(1280, 1024);
        presenter->SetEcho(false);
        headless_ = presenter.get();
        engine_ = std::make_unique<Engine>(std::move(presenter));
    }

    HResult Call(int32_t dispid, std::vector<Variant> arguments, Variant* result = nullptr) {
        return Invoke(*engine_, dispid, arguments, result, &error_);
    }

    size_t PopupCount() { return engine_->Runtime().Popups().size(); }

    std::unique_ptr<Engine> engine_;
    platform::HeadlessPresenter* headless_ = nullptr;
    InvokeError error_;
};

TEST_F(DispatchTest, NamesAreFoundIgnoringLetterCase) {
    int32_t dispid = 0;
    EXPECT_EQ(GetIDsOfNames("InstallPanel", &dispid), kOk);
    EXPECT_EQ(dispid, kInstallPanel);
    EXPECT_EQ(GetIDsOfNames("installpanel", &dispid), kOk);
    EXPECT_EQ(dispid, kInstallPanel);
    EXPECT_EQ(GetIDsOfNames("CopyDMDToSimpleDMD", &dispid), kOk);
    EXPECT_EQ(dispid, 167);
    EXPECT_EQ(GetIDsOfNames("lmb", &dispid), kOk);
    EXPECT_EQ(dispid, kLMB);

    for (const char* unknown : {"InstallPanels", "", "Install Panel", "get_ScreenWidth"}) {
        dispid = 0;
        EXPECT_EQ(GetIDsOfNames(unknown, &dispid), kUnknownName) << unknown;
        EXPECT_EQ(dispid, kUnknownDispid) << unknown;
    }
    EXPECT_EQ(GetIDsOfNames("InstallPanel", nullptr), kInvalidPointer);
}

TEST_F(DispatchTest, AnUnknownDispidOrSlotIsNoMember) {
    // 5 lies in a gap of the DISPIDs; slots run 1..148.
    EXPECT_EQ(Call(5, {}), kMemberNotFound);
    EXPECT_EQ(error_.description, "no member has DISPID 5");
    EXPECT_EQ(Call(-1, {}), kMemberNotFound);
    EXPECT_EQ(Call(179, {}), kMemberNotFound);
    EXPECT_EQ(InvokeSlot(*engine_, 0, {}), kMemberNotFound);
    EXPECT_EQ(InvokeSlot(*engine_, 149, {}), kMemberNotFound);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(DispatchTest, AWrongArgumentCountIsRefusedBeforeTheBody) {
    EXPECT_EQ(Call(kInstallPanel, {Variant::I2(0), Variant::I2(0), Variant::I2(800)}),
              kBadParamCount);
    EXPECT_EQ(error_.description, "InstallPanel takes 4 arguments, not 3");
    EXPECT_EQ(error_.argument, InvokeError::kNoArgument);
    EXPECT_EQ(Call(kSetPanelUserLock, {}), kBadParamCount);
    EXPECT_EQ(error_.description, "SetPanelUserLock takes 1 argument, not 0");
    EXPECT_EQ(Call(kScreenWidth, {Variant::I2(0)}), kBadParamCount);
    EXPECT_EQ(engine_->MainPanel().PanelWidth, 0);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(DispatchTest, ArgumentsReachTheBodyConverted) {
    Variant height = Variant::I4(600);
    EXPECT_EQ(Call(kInstallPanel, {Variant::R8(2.5), Variant::String(" 10 "), Variant::I4(70000),
                                   Variant::Ref(&height)}),
              kOk);
    const MainPanel& panel = engine_->MainPanel();
    EXPECT_EQ(panel.PanelXPos, 2);
    EXPECT_EQ(panel.PanelWidth, 4464);
    EXPECT_EQ(panel.PanelXCenter, 2232);
    EXPECT_EQ(panel.PanelHeight, 600);

    EXPECT_EQ(Call(kInstallPanel,
                   {Variant::R8(3.5), Variant(), Variant::String("800"), Variant::Bool(true)}),
              kOk);
    EXPECT_EQ(panel.PanelXPos, 4);
    EXPECT_EQ(panel.PanelWidth, 800);
    EXPECT_EQ(panel.PanelHeight, -1);

    EXPECT_EQ(Call(kChangePanelColor, {Variant::R8(16711680.5)}), kOk);
    EXPECT_EQ(panel.PanelColor, 0xFF0000);
}

TEST_F(DispatchTest, AnUnconvertibleArgumentIsNamed) {
    EXPECT_EQ(Call(kInstallPanel,
                   {Variant::I2(0), Variant::String("abc"), Variant::I2(800), Variant::I2(600)}),
              kTypeMismatch);
    EXPECT_EQ(error_.argument, 1u);
    EXPECT_EQ(error_.description,
              "InstallPanel: argument 2, _PanelYPos (I2): \"abc\" is not a number");

    EXPECT_EQ(Call(kChangePanelColor, {Variant::Null()}), kTypeMismatch);
    EXPECT_EQ(error_.argument, 0u);
    EXPECT_EQ(error_.description,
              "ChangePanelColor: argument 1, _Color (I4): a null value is not a number");
    // The body was not called and nothing was shown.
    EXPECT_EQ(engine_->MainPanel().PanelWidth, 0);
    EXPECT_EQ(PopupCount(), 0u);

    // The next call starts clean.
    EXPECT_EQ(Call(kChangePanelColor, {Variant::I4(5)}), kOk);
    EXPECT_EQ(error_.argument, InvokeError::kNoArgument);
    EXPECT_EQ(error_.description, "");
}

TEST_F(DispatchTest, ABodysFailureIsAllOnesAfterExactlyOnePopup) {
    EXPECT_EQ(Call(kSetPanelUserLock, {Variant::UI1(1)}), 0xFFFFFFFFu);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(engine_->Runtime().Popups()[0].title, "warning");
    EXPECT_EQ(engine_->Runtime().Popups()[0].text,
              "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'");
    EXPECT_EQ(error_.description, "");  // the popup has told the user
    EXPECT_TRUE(Failed(kBodyFailed));
}

TEST_F(DispatchTest, PropertiesReturnTheirValue) {
    Variant result = Variant::String("old");
    EXPECT_EQ(Call(kScreenWidth, {}, &result), kOk);
    EXPECT_EQ(result.Type(), VariantType::I2);
    EXPECT_EQ(result.Integer(), 1280);

    headless_->SetMouse(platform::MouseState{321, 45, true, false, false});
    EXPECT_EQ(Call(kMouseXPos, {}, &result), kOk);
    EXPECT_EQ(result.Integer(), 321);
    EXPECT_EQ(Call(kLMB, {}, &result), kOk);
    EXPECT_EQ(result.Integer(), 1);
    EXPECT_EQ(InvokeSlot(*engine_, 24, {}, &result), kOk);  // ScreenHeight
    EXPECT_EQ(result.Integer(), 1024);
    // The result may be left out.
    EXPECT_EQ(Call(kScreenWidth, {}), kOk);
}

TEST_F(DispatchTest, AMethodLeavesItsResultEmpty) {
    Variant result = Variant::I4(5);
    EXPECT_EQ(Call(kChangePanelColor, {Variant::I4(0)}, &result), kOk);
    EXPECT_EQ(result.Type(), VariantType::Empty);
}

TEST_F(DispatchTest, OutArgumentsMustBeReferences) {
    Variant name;
    Variant first;
    Variant second;
    EXPECT_EQ(Call(kReadHighscoreFromCVI, {Variant::UI1(0), Variant::R8(0.0), Variant::Ref(&name),
                                           Variant::Ref(&first), Variant::Ref(&second)}),
              kTypeMismatch);
    EXPECT_EQ(error_.argument, 1u);
    EXPECT_EQ(error_.description,
              "ReadHighscoreFromCVI: argument 2, _Highscore (PTR(VARIANT)): an out argument must "
              "be passed by reference");
}

TEST_F(DispatchTest, OutArgumentsAreWrittenThroughTheirReferences) {
    // A null string reaches the body as an empty text; 300 as a UI1 index is 44.
    ASSERT_EQ(Call(kWriteHighscoreToCVI, {Variant::I4(300), Variant::String("1234.5"),
                                          Variant::NullString(), Variant::R8(2.5), Variant()}),
              kOk);
    Variant score = Variant::String("stale");
    Variant name = Variant::I4(9);
    Variant first;
    Variant second;
    Variant second_variable = Variant::Ref(&second);  // a reference to a reference
    ASSERT_EQ(
        Call(kReadHighscoreFromCVI, {Variant::UI1(44), Variant::Ref(&score), Variant::Ref(&name),
                                     Variant::Ref(&first), Variant::Ref(&second_variable)}),
        kOk);
    EXPECT_EQ(score.Type(), VariantType::R8);
    EXPECT_EQ(score.Real(), 1234.5);
    EXPECT_EQ(name.Type(), VariantType::String);
    EXPECT_EQ(name.Text(), "");
    EXPECT_EQ(first.Text(), "2.5");
    EXPECT_EQ(second.Type(), VariantType::String);
    EXPECT_EQ(second.Text(), "");
    EXPECT_EQ(second_variable.Type(), VariantType::Ref);
    EXPECT_EQ(PopupCount(), 0u);

    // An index the table does not have fails in the body, after its one popup.
    EXPECT_EQ(
        Call(kReadHighscoreFromCVI, {Variant::UI1(100), Variant::Ref(&score), Variant::Ref(&name),
                                     Variant::Ref(&first), Variant::Ref(&second)}),
        kBodyFailed);
    EXPECT_EQ(PopupCount(), 1u);
    EXPECT_EQ(score.Real(), 1234.5);
}

TEST_F(DispatchTest, AMemberWithoutBodyAnswersNotImplementedSilently) {
    int unbound = -1;
    for (int i = 0; i < kMemberCount && unbound < 0; ++i) {
        if (BodyAt(i) == nullptr) unbound = i;
    }
    if (unbound < 0) GTEST_SKIP() << "every member has a body";
    const MemberDecl& member = kMemberTable[unbound];
    std::vector<Variant> targets(member.ArgumentCount());
    std::vector<Variant> arguments;
    for (int i = 0; i < member.ArgumentCount(); ++i) {
        arguments.push_back(
            member.params[i].type == ParamType::VariantOut ? Variant::Ref(&targets[i]) : Variant());
    }
    EXPECT_EQ(Invoke(*engine_, member.dispid, arguments, nullptr, &error_), kNotImplemented)
        << member.name;
    EXPECT_EQ(PopupCount(), 0u);
}

TEST(InterfaceSupportsErrorInfo, OnlyForMyInterface) {
    EXPECT_EQ(InterfaceSupportsErrorInfo(kInterfaceId), kOk);
    const Guid dispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    EXPECT_EQ(InterfaceSupportsErrorInfo(dispatch), kFalse);
    EXPECT_EQ(InterfaceSupportsErrorInfo(kClassId), kFalse);
    Guid almost = kInterfaceId;
    almost.data4[7] ^= 1;
    EXPECT_EQ(InterfaceSupportsErrorInfo(almost), kFalse);
}

}  // namespace
}  // namespace tov::server
