// The member table's bodies: one line per member, in slot order. A bound member names its
// Engine subsystem and its method (named after the member; a property's is get_ + its name);
// the binding fails to compile when the method's C++ signature disagrees with the member's
// declared parameter types. An unbound member answers E_NOTIMPL.
#include "server/members.h"

#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "engine/engine.h"

namespace tov::server {
namespace {

// The automation type a body's C++ parameter type stands for.
template <typename T>
struct TypeOf;
template <typename T, ParamType P>
struct TypeIs {
    static constexpr ParamType kType = P;
};
template <>
struct TypeOf<int16_t> : TypeIs<int16_t, ParamType::I2> {};
template <>
struct TypeOf<int32_t> : TypeIs<int32_t, ParamType::I4> {};
template <>
struct TypeOf<double> : TypeIs<double, ParamType::R8> {};
template <>
struct TypeOf<uint8_t> : TypeIs<uint8_t, ParamType::UI1> {};
template <>
struct TypeOf<std::string_view> : TypeIs<std::string_view, ParamType::Text> {};
template <>
struct TypeOf<platform::Variant*> : TypeIs<platform::Variant*, ParamType::VariantOut> {};
template <>
struct TypeOf<int16_t*> : TypeIs<int16_t*, ParamType::I2Result> {};
template <>
struct TypeOf<uint8_t*> : TypeIs<uint8_t*, ParamType::UI1Result> {};

template <typename T>
concept AutomationType = requires {
    TypeOf<T>::kType;
};

// What an argument gives a body parameter of type T.
template <AutomationType T>
T Pass(Argument& a) {
    constexpr ParamType type = TypeOf<T>::kType;
    if constexpr (type == ParamType::R8) {
        return a.real;
    } else if constexpr (type == ParamType::Text) {
        return a.text;
    } else if constexpr (type == ParamType::VariantOut) {
        return a.out;
    } else if constexpr (type == ParamType::I2Result) {
        return &a.i2_result;
    } else if constexpr (type == ParamType::UI1Result) {
        return &a.ui1_result;
    } else {
        return static_cast<T>(a.integer);
    }
}

template <typename M>
struct BodyTraits {
    static constexpr bool kIsBody = false;
};
template <typename C, typename R, typename... A>
struct BodyTraits<R (C::*)(A...)> {
    static constexpr bool kIsBody = true;
    using Class = C;
    using Result = R;
    using Arguments = std::tuple<A...>;
    static constexpr size_t kCount = sizeof...(A);
    static constexpr bool kKnownTypes = (AutomationType<A> && ...);
};

// True when the body's parameters are, one by one, of the member's declared types.
template <typename Arguments, size_t... I>
constexpr bool SameTypes(const MemberDecl& decl, std::index_sequence<I...>) {
    return ((TypeOf<std::tuple_element_t<I, Arguments>>::kType == decl.params[I].type) && ...);
}

// A member's name as a template argument.
template <size_t N>
struct MemberName {
    char text[N]{};
    constexpr MemberName(const char (&name)[N]) {
        for (size_t i = 0; i < N; ++i)
            text[i] = name[i];
    }
    constexpr std::string_view View() const { return {text, N - 1}; }
};

template <auto Accessor, auto Method, size_t... I>
int CallBody(Engine& engine, [[maybe_unused]] std::span<Argument> arguments,
             std::index_sequence<I...>) {
    using Traits = BodyTraits<decltype(Method)>;
    auto& subsystem = (engine.*Accessor)();
    return (subsystem.*
            Method)(Pass<std::tuple_element_t<I, typename Traits::Arguments>>(arguments[I])...);
}

template <auto Accessor, auto Method>
int Thunk(Engine& engine, std::span<Argument> arguments) {
    using Traits = BodyTraits<decltype(Method)>;
    // The dispatch layer passes one argument per parameter; anything else is our own fault,
    // and no body is called with too few.
    if (arguments.size() != Traits::kCount) return -1;
    return CallBody<Accessor, Method>(engine, arguments,
                                      std::make_index_sequence<Traits::kCount>{});
}

struct Binding {
    int index;  // into kMemberTable
    Body body;  // null: not bound yet
};

template <MemberName Name>
constexpr Binding Unbound() {
    constexpr int index = FindMemberIndex(Name.View());
    static_assert(index >= 0, "no member of this name");
    return {index, nullptr};
}

template <MemberName Name, auto Accessor, auto Method>
constexpr Binding Bind() {
    constexpr int index = FindMemberIndex(Name.View());
    static_assert(index >= 0, "no member of this name");
    using Traits = BodyTraits<decltype(Method)>;
    static_assert(Traits::kIsBody, "a body is a non-static, non-const member function");
    static_assert(std::is_same_v<typename Traits::Result, int>, "a body returns int");
    static_assert(
        std::is_same_v<std::invoke_result_t<decltype(Accessor), Engine&>, typename Traits::Class&>,
        "the Engine accessor returns the body's subsystem");
    static_assert(Traits::kKnownTypes, "a body parameter has a type no automation type maps to");
    constexpr MemberDecl decl = kMemberTable[index];
    static_assert(Traits::kCount == static_cast<size_t>(decl.param_count),
                  "the body's parameter count differs from the member's");
    static_assert(
        SameTypes<typename Traits::Arguments>(decl, std::make_index_sequence<Traits::kCount>{}),
        "a body parameter's type differs from the member's declared type");
    return {index, &Thunk<Accessor, Method>};
}

#define TOV_UNBOUND(member) Unbound<#member>()
#define TOV_BIND(subsystem, member) \
    Bind<#member, &::tov::Engine::subsystem, &::tov::subsystem::member>()
#define TOV_BIND_GET(subsystem, property) \
    Bind<#property, &::tov::Engine::subsystem, &::tov::subsystem::get_##property>()

// clang-format off
constexpr Binding kBindings[] = {
    TOV_BIND(StarAnim, ShowStarAnimNextStep),
    TOV_BIND(StarAnim, HideStarAnim),
    TOV_BIND(XyzAnim, GenerateXYZAnimXYScrollProc),
    TOV_BIND(MainPanel, InstallPanel),
    TOV_BIND(XyzAnim, GenerateXYZAnimZoomProc),
    TOV_BIND(XyzAnim, PrepareXYZAnimProc),
    TOV_BIND(XyzAnim, ShowXYZAnimStep),
    TOV_BIND(XyzAnim, HideXYZAnim),
    TOV_BIND(ScrollText, GenerateTextLeftLoopScrollProc),
    TOV_BIND(ScrollText, PrepareTextLeftLoopScrollProc),
    TOV_BIND(ScrollText, ShowTextLeftLoopScrollNextStep),
    TOV_BIND(ScrollText, ChangeTextLeftLoopColor),
    TOV_BIND(ZoomText, GenerateTextZoomProc),
    TOV_BIND(ZoomText, PrepareTextZoomProc),
    TOV_BIND(ZoomText, ShowTextZoomStep),
    TOV_BIND(ScrollText, HideText),
    TOV_BIND(BitmapSelection, AddBitmapToSelection),
    TOV_BIND(Capture, CopyBitmapFromPanelToSelection),
    TOV_BIND(FrameAnim, GenerateFrameAnim),
    TOV_BIND(FrameAnim, PrepareFrameAnim),
    TOV_BIND(FrameAnim, ShowFrameAnimFrame),
    TOV_BIND(FrameAnim, HideFrameAnim),
    TOV_BIND_GET(MainPanel, ScreenWidth),
    TOV_BIND_GET(MainPanel, ScreenHeight),
    TOV_BIND(TntCounter, SetTNTAttr),
    TOV_BIND(TntCounter, ShowTNT),
    TOV_BIND(TntCounter, ChangeTNTColor),
    TOV_BIND(TntCounter, HideTNT),
    TOV_BIND(Dmd, SetDMDAttr),
    TOV_BIND(Dmd, ShowDMDNumeric),
    TOV_BIND(Dmd, ShowDMDValue),
    TOV_BIND(Dmd, ShowDMDText),
    TOV_BIND(AreaDrawing, DrawArea),
    TOV_BIND(AreaDrawing, ClearArea),
    TOV_BIND(Lamella, SetLamellaAttr),
    TOV_BIND(Lamella, ShowLamellaStep),
    TOV_BIND(PixelPic, SetPixelPicAttr),
    TOV_BIND(PixelPic, ShowPixelPicStep),
    TOV_BIND(RotatingPic, SetRotatingPicAttr),
    TOV_BIND(RotatingPic, ShowRotatingPicStep),
    TOV_BIND(MainPanel, DiscardPanel),
    TOV_BIND(FadeInOut, SetBitmapFadeInOutAttr),
    TOV_BIND(FadeInOut, ChangeBitmapFadeInOutBrightness),
    TOV_BIND(ExtraPanel, InstallExtraPanel),
    TOV_BIND(ExtraPanel, ShowExtraPanel),
    TOV_BIND(ExtraPanel, HideExtraPanel),
    TOV_BIND(Gauges, SetTankAttr),
    TOV_BIND(Gauges, SetTankVisibility),
    TOV_BIND(Gauges, SetTankValue),
    TOV_BIND(Gauges, SetMissionValueAttr),
    TOV_BIND(Gauges, SetMissionValueVisibility),
    TOV_BIND(Gauges, SetMissionValue),
    TOV_BIND(Gauges, SetThermometerAttr),
    TOV_BIND(Gauges, SetThermometerVisibility),
    TOV_BIND(Gauges, SetThermometerValue),
    TOV_BIND(Gauges, SetMultimeterAttr),
    TOV_BIND(Gauges, SetMultimeterVisibility),
    TOV_BIND(Gauges, SetMultimeterValue),
    TOV_BIND(ExtraPanel, DiscardExtraPanel),
    TOV_BIND(Gauges, SetClockAttr),
    TOV_BIND(Gauges, SetClockVisibility),
    TOV_BIND(Gauges, SetClockValue),
    TOV_BIND(Capture, CopyBitmapFromDMDLayerToSelection),
    TOV_BIND(Wave, SetWaveAttr),
    TOV_BIND(Wave, ShowNextWaveStep),
    TOV_BIND(Wave, ChangeWaveAmplitude),
    TOV_BIND(MainPanel, SetPanelFrameVisibility),
    TOV_BIND(WatchPanel, InstallWatchPanel),
    TOV_BIND(WatchPanel, SetWatchTime),
    TOV_BIND(WatchPanel, DiscardWatchPanel),
    TOV_BIND(GemPanel, InstallGemPanel),
    TOV_BIND(GemPanel, SetGemPhase),
    TOV_BIND(GemPanel, DiscardGemPanel),
    TOV_BIND(MagicStar, ShowNextMagicStarStep),
    TOV_BIND(MagicStar, SetMagicStarAttr),
    TOV_BIND(Gauges, SetLevelThermometerVisibility),
    TOV_BIND(Gauges, SetLevelThermometerAttr),
    TOV_BIND(Gauges, SetLevelThermometerLevel),
    TOV_BIND(LedBoard, InstallBHGPanel),
    TOV_BIND(LedBoard, DiscardBHGPanel),
    TOV_BIND(LedBoard, SwitchBHGLED),
    TOV_BIND(LedBoard, SetBHGLEDAttr),
    TOV_BIND(FontsAndServices, CheckFont),
    TOV_BIND(SimplePanels, InstallSimplePanel),
    TOV_BIND(SimplePanels, DiscardSimplePanel),
    TOV_BIND(SimplePanels, SetSimplePanelDMDAttr),
    TOV_BIND(SimplePanels, ShowSimplePanelDMDNumeric),
    TOV_BIND(SimplePanels, SimplePanelClearArea),
    TOV_BIND(SimplePanels, SimplePanelDrawArea),
    TOV_BIND(MainPanel, ChangePanelColor),
    TOV_BIND(SimplePanels, ShowSimplePanelDMDText),
    TOV_BIND(Indicators, SetChartAttr),
    TOV_BIND(Indicators, AddChartValue),
    TOV_BIND_GET(MainPanel, MouseXPos),
    TOV_BIND_GET(MainPanel, MouseYPos),
    TOV_BIND_GET(MainPanel, LMB),
    TOV_BIND_GET(MainPanel, RMB),
    TOV_BIND_GET(MainPanel, MMB),
    TOV_BIND(MainPanel, SetMouseCursorVisibility),
    TOV_BIND(MainPanel, SetPanelUserLock),
    TOV_BIND(SimplePanels, SetSimplePanelUserLock),
    TOV_BIND(Indicators, SetDynPicAttr),
    TOV_BIND(Indicators, SetDynPicVisibility),
    TOV_BIND(Indicators, LoadDynPic),
    TOV_BIND(Gauges, SetVPSlideValue),
    TOV_BIND(Gauges, SetVPSlideVisibility),
    TOV_BIND(Gauges, SetVPSlideAttr),
    TOV_BIND(Gauges, SetLevelThermometerLevelText),
    TOV_BIND(Indicators, SetSquareLEDAttr),
    TOV_BIND(Indicators, SetSquareLEDState),
    TOV_BIND(BitmapConstruct, SetBitmapConstructAttr),
    TOV_BIND(BitmapConstruct, ShowNextBitmapConstructStep),
    TOV_BIND_GET(BitmapConstruct, BitmapConstructState),
    TOV_BIND(Capture, CopyBitmapFromFontTextToSelection),
    TOV_BIND(Highscores, WriteHighscoreToCVI),
    TOV_BIND(Highscores, SortHighscores),
    TOV_BIND(Highscores, ReadHighscoreFromCVI),
    TOV_BIND(FadeOver, SetBitmapFadeOverAttr),
    TOV_BIND(FadeOver, ChangeBitmapFadeOverIntensity),
    TOV_BIND(FontsAndServices, ShowMemoryStatus),
    TOV_BIND(ScrollText, ChangeZPlanePosScrolltext),
    TOV_BIND(Capture, MaskBitmapFromSelection),
    TOV_BIND(Linebox, SetUpLoopScrollAttr),
    TOV_BIND(Linebox, AddLineboxLine),
    TOV_BIND(Linebox, DeleteLineboxLine),
    TOV_BIND(Linebox, HideLinebox),
    TOV_BIND(Linebox, ShowUpLoopScrollNextStep),
    TOV_BIND(ExtraPanel, SetExtraTextAttr),
    TOV_BIND(ExtraPanel, SetExtraTextText),
    TOV_BIND(AreaDrawing, DrawOnBackground),
    TOV_BIND(SquareFade, SetBitmapSquareFadeAttr),
    TOV_BIND(SquareFade, SetBitmapSquareValue),
    TOV_BIND(SquareFade, ShowBitmapSquareFadeNextStep),
    TOV_BIND_GET(SquareFade, BitmapSquareFadeState),
    TOV_BIND(MainPanel, ShowPanel),
    TOV_BIND(MainPanel, HidePanel),
    TOV_BIND(Capture, copydmdtosimpledmd),
    TOV_BIND(AreaDrawing, DrawAreaExtra),
    TOV_BIND(ExtraPanel, CopyXtraToDmd),
    TOV_BIND(Dmd, ShowExtraValue),
    TOV_BIND(Dmd, ShowExtraNumeric),
    TOV_BIND(Dmd, ShowExtraText),
    TOV_BIND(AreaDrawing, DrawOnExtraBack),
    TOV_BIND(AreaDrawing, ClearExtra),
    TOV_BIND(Highscores, SaveHscoreToDisc),
    TOV_BIND(Highscores, LoadHscoreFromDisc),
    TOV_BIND(FontsAndServices, WinExecute),
    TOV_BIND(ExtraPanel, SetExtraPanelFrameVisibility),
};
// clang-format on

#undef TOV_UNBOUND
#undef TOV_BIND
#undef TOV_BIND_GET

constexpr bool BindingsInSlotOrder() {
    if (std::size(kBindings) != static_cast<size_t>(kMemberCount)) return false;
    for (int i = 0; i < kMemberCount; ++i) {
        if (kBindings[i].index != i) return false;
    }
    return true;
}
static_assert(BindingsInSlotOrder(), "one binding per member, in slot order");

}  // namespace

Body BodyAt(int index) {
    if (index < 0 || index >= kMemberCount) return nullptr;
    return kBindings[index].body;
}

int BoundMemberCount() {
    int count = 0;
    for (const Binding& b : kBindings)
        count += b.body != nullptr ? 1 : 0;
    return count;
}

}  // namespace tov::server
