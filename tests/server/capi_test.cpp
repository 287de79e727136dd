// The C interface over the process-wide engine. The engine is configured once, before any test
// runs, with a 1024 x 768 headless screen.
#include "tov/tov.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "server/host.h"
#include "support/temp_dir.h"

namespace {

class ConfiguredEngine : public ::testing::Environment {
  public:
    void SetUp() override { ASSERT_EQ(tov_configure(1024, 768), 0); }
};
[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ConfiguredEngine);

tov_variant I4(int64_t v) {
    tov_variant variant{};
    variant.type = TOV_VT_I4;
    variant.integer = v;
    return variant;
}

tov_variant R8(double v) {
    tov_variant variant{};
    variant.type = TOV_VT_R8;
    variant.real = v;
    return variant;
}

tov_variant Text(const char* s) {
    tov_variant variant{};
    variant.type = TOV_VT_STRING;
    variant.string = s;
    return variant;
}

tov_variant Ref(tov_variant* target) {
    tov_variant variant{};
    variant.type = TOV_VT_REF;
    variant.ref = target;
    return variant;
}

class CApi : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(tov_create(TOV_PROG_ID, &object_), TOV_S_OK); }
    void TearDown() override { tov_release(object_); }

    int32_t Dispid(const char* name) {
        int32_t dispid = 0;
        EXPECT_EQ(tov_get_ids_of_names(object_, name, &dispid), TOV_S_OK) << name;
        return dispid;
    }

    tov_object* object_ = nullptr;
};

TEST(CApiObjects, AreMadeByProgIdIgnoringCase) {
    tov_object* a = nullptr;
    tov_object* b = nullptr;
    EXPECT_EQ(tov_create("TOVSERVER.MYQUENDAL", &a), TOV_S_OK);
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(tov_create("tovserver.myquendal", &b), TOV_S_OK);
    EXPECT_NE(b, a);
    tov_release(a);
    tov_release(b);

    for (const char* other : {"tovserver.myQuendal2", "tovserver", "", " tovserver.myQuendal"}) {
        tov_object* none = reinterpret_cast<tov_object*>(1);
        EXPECT_EQ(tov_create(other, &none), TOV_CO_E_CLASSSTRING) << other;
        EXPECT_EQ(none, nullptr);
    }
    tov_object* none = nullptr;
    EXPECT_EQ(tov_create(nullptr, &none), TOV_CO_E_CLASSSTRING);
    EXPECT_EQ(tov_create(TOV_PROG_ID, nullptr), TOV_E_POINTER);
}

TEST(CApiObjects, AReleasedObjectIsRefused) {
    tov_object* object = nullptr;
    ASSERT_EQ(tov_create(TOV_PROG_ID, &object), TOV_S_OK);
    tov_release(object);
    tov_release(object);  // a second release changes nothing
    int32_t dispid = 0;
    EXPECT_EQ(tov_get_ids_of_names(object, "LMB", &dispid), TOV_E_POINTER);
    EXPECT_EQ(tov_invoke(object, 126, nullptr, 0, nullptr, nullptr), TOV_E_POINTER);
    EXPECT_STREQ(tov_error_text(object), "");
    EXPECT_EQ(tov_invoke(nullptr, 126, nullptr, 0, nullptr, nullptr), TOV_E_POINTER);
}

TEST(CApiObjects, TheEngineCannotBeConfiguredOnceItExists) {
    tov_object* object = nullptr;
    ASSERT_EQ(tov_create(TOV_PROG_ID, &object), TOV_S_OK);
    EXPECT_EQ(tov_configure(640, 480), TOV_ERR_TOO_LATE);
    EXPECT_EQ(tov_configure(0, 480), -46);
    tov_release(object);
}

TEST_F(CApi, PropertiesAndTheHeadlessMouse) {
    tov_variant result = I4(77);
    ASSERT_EQ(tov_invoke(object_, Dispid("screenwidth"), nullptr, 0, &result, nullptr), TOV_S_OK);
    EXPECT_EQ(result.type, TOV_VT_I2);
    EXPECT_EQ(result.integer, 1024);

    ASSERT_EQ(tov_set_mouse(5, 600, 1, 0, 1), 0);
    ASSERT_EQ(tov_invoke(object_, Dispid("MouseYPos"), nullptr, 0, &result, nullptr), TOV_S_OK);
    EXPECT_EQ(result.integer, 600);
    ASSERT_EQ(tov_invoke(object_, Dispid("RMB"), nullptr, 0, &result, nullptr), TOV_S_OK);
    EXPECT_EQ(result.integer, 0);
    ASSERT_EQ(tov_invoke(object_, Dispid("MMB"), nullptr, 0, &result, nullptr), TOV_S_OK);
    EXPECT_EQ(result.integer, 1);
    ASSERT_EQ(tov_set_mouse(0, 0, 0, 0, 0), 0);
}

TEST_F(CApi, ObjectsShareOneEngine) {
    tov_object* second = nullptr;
    ASSERT_EQ(tov_create(TOV_PROG_ID, &second), TOV_S_OK);
    tov_variant first_install[] = {I4(0), I4(0), I4(800), I4(600)};
    tov_variant second_install[] = {I4(10), I4(20), I4(640), I4(70000)};
    ASSERT_EQ(tov_invoke(object_, Dispid("InstallPanel"), first_install, 4, nullptr, nullptr),
              TOV_S_OK);
    ASSERT_EQ(tov_invoke(second, Dispid("InstallPanel"), second_install, 4, nullptr, nullptr),
              TOV_S_OK);
    const tov::MainPanel& panel = tov::server::SharedEngine().MainPanel();
    EXPECT_EQ(panel.PanelXPos, 10);
    EXPECT_EQ(panel.PanelWidth, 640);
    EXPECT_EQ(panel.PanelHeight, 4464);
    tov_release(second);
}

TEST_F(CApi, RefusedCallsSayWhy) {
    uint32_t arg_error = 0;
    tov_variant arguments[] = {I4(0), Text("left"), I4(800), I4(600)};
    EXPECT_EQ(tov_invoke(object_, Dispid("InstallPanel"), arguments, 4, nullptr, &arg_error),
              TOV_DISP_E_TYPEMISMATCH);
    EXPECT_EQ(arg_error, 1u);
    EXPECT_STREQ(tov_error_text(object_),
                 "InstallPanel: argument 2, _PanelYPos (I2): \"left\" is not a number");

    arguments[1].type = 99;  // no such type tag
    EXPECT_EQ(tov_invoke(object_, Dispid("InstallPanel"), arguments, 4, nullptr, &arg_error),
              TOV_DISP_E_TYPEMISMATCH);
    EXPECT_EQ(arg_error, 1u);
    EXPECT_STREQ(tov_error_text(object_), "argument 2 has an unknown type tag");
    arguments[1] = I4(0);

    EXPECT_EQ(tov_invoke(object_, Dispid("InstallPanel"), arguments, 3, nullptr, &arg_error),
              TOV_DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(arg_error, TOV_NO_ARGUMENT);
    EXPECT_EQ(tov_invoke(object_, Dispid("InstallPanel"), nullptr, 16, nullptr, nullptr),
              TOV_E_POINTER);
    EXPECT_EQ(tov_invoke(object_, Dispid("InstallPanel"), arguments, 1000000, nullptr, nullptr),
              TOV_DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(tov_invoke(object_, 5, nullptr, 0, nullptr, nullptr), TOV_DISP_E_MEMBERNOTFOUND);

    int32_t dispid = 0;
    EXPECT_EQ(tov_get_ids_of_names(object_, "NoSuchMember", &dispid), TOV_DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispid, TOV_DISPID_UNKNOWN);
    EXPECT_EQ(tov_get_ids_of_names(object_, nullptr, &dispid), TOV_E_POINTER);

    // A success clears the description.
    tov_variant color[] = {I4(0)};
    EXPECT_EQ(tov_invoke(object_, Dispid("ChangePanelColor"), color, 1, nullptr, &arg_error),
              TOV_S_OK);
    EXPECT_STREQ(tov_error_text(object_), "");
}

TEST_F(CApi, OutArgumentsAreWrittenThroughReferences) {
    tov_variant entry[] = {I4(7), R8(99.5), Text("Ann"), Text(nullptr), Text("")};
    ASSERT_EQ(tov_invoke(object_, Dispid("WriteHighscoreToCVI"), entry, 5, nullptr, nullptr),
              TOV_S_OK);

    tov_variant score = Text("client text");  // not the library's: left alone, not freed
    tov_variant name{};
    tov_variant first = I4(3);
    tov_variant second{};
    tov_variant second_variable = Ref(&second);
    tov_variant read[] = {I4(7), Ref(&score), Ref(&name), Ref(&first), Ref(&second_variable)};
    ASSERT_EQ(tov_invoke(object_, Dispid("ReadHighscoreFromCVI"), read, 5, nullptr, nullptr),
              TOV_S_OK);
    EXPECT_EQ(score.type, TOV_VT_R8);
    EXPECT_EQ(score.real, 99.5);
    ASSERT_EQ(name.type, TOV_VT_STRING);
    EXPECT_STREQ(name.string, "Ann");
    EXPECT_EQ(name.flags, TOV_VARIANT_OWNS_STRING);
    ASSERT_EQ(first.type, TOV_VT_STRING);
    EXPECT_STREQ(first.string, "");
    ASSERT_EQ(second.type, TOV_VT_STRING);
    EXPECT_EQ(second_variable.type, TOV_VT_REF);

    // Reading again into variants that hold the library's strings replaces them (the sanitizer
    // build would see a leak otherwise).
    ASSERT_EQ(tov_invoke(object_, Dispid("ReadHighscoreFromCVI"), read, 5, nullptr, nullptr),
              TOV_S_OK);
    EXPECT_STREQ(name.string, "Ann");
    tov_variant_clear(&name);
    tov_variant_clear(&first);
    tov_variant_clear(&second);
    tov_variant_clear(nullptr);
    EXPECT_EQ(name.type, TOV_VT_EMPTY);
    EXPECT_EQ(name.string, nullptr);

    // An out argument that is no reference, or a reference to nothing, is refused.
    uint32_t arg_error = 0;
    tov_variant not_by_reference[] = {I4(7), R8(0), Ref(&name), Ref(nullptr), Ref(&second)};
    EXPECT_EQ(tov_invoke(object_, Dispid("ReadHighscoreFromCVI"), not_by_reference, 5, nullptr,
                         &arg_error),
              TOV_DISP_E_TYPEMISMATCH);
    EXPECT_EQ(arg_error, 1u);
    not_by_reference[1] = Ref(&score);
    EXPECT_EQ(tov_invoke(object_, Dispid("ReadHighscoreFromCVI"), not_by_reference, 5, nullptr,
                         &arg_error),
              TOV_DISP_E_TYPEMISMATCH);
    EXPECT_EQ(arg_error, 3u);

    // A cycle of references is followed a few steps, then refused.
    tov_variant a{};
    tov_variant b = Ref(&a);
    a = Ref(&b);
    tov_variant cyclic[] = {Ref(&a)};
    EXPECT_EQ(tov_invoke(object_, Dispid("ChangePanelColor"), cyclic, 1, nullptr, &arg_error),
              TOV_DISP_E_TYPEMISMATCH);
}

TEST_F(CApi, AMembersFailureShowsOnePopup) {
    tov_clear_popups();
    tov_variant score{};
    tov_variant read[] = {I4(100), Ref(&score), Ref(&score), Ref(&score), Ref(&score)};
    EXPECT_EQ(tov_invoke(object_, Dispid("ReadHighscoreFromCVI"), read, 5, nullptr, nullptr),
              TOV_E_BODY_FAILED);
    ASSERT_EQ(tov_popup_count(), 1);
    const char* title = nullptr;
    const char* text = nullptr;
    ASSERT_EQ(tov_popup(0, &title, &text), 0);
    EXPECT_STREQ(title, "fatal error");
    EXPECT_NE(std::strstr(text, "'ReadHighscoreFromCVI'"), nullptr) << text;
    EXPECT_STREQ(tov_error_text(object_), "");
    EXPECT_LT(tov_popup(1, &title, &text), 0);
    EXPECT_LT(tov_popup(-1, &title, &text), 0);
    tov_clear_popups();
    EXPECT_EQ(tov_popup_count(), 0);
}

TEST_F(CApi, ErrorInfoIsSupportedForMyInterfaceOnly) {
    tov_guid library{};
    tov_guid class_id{};
    tov_guid interface_id{};
    tov_ids(&library, &class_id, &interface_id);
    EXPECT_EQ(interface_id.data1, 0x8920a128u);
    EXPECT_EQ(tov_interface_supports_error_info(object_, &interface_id), TOV_S_OK);
    EXPECT_EQ(tov_interface_supports_error_info(object_, &class_id), TOV_S_FALSE);
    EXPECT_EQ(tov_interface_supports_error_info(object_, &library), TOV_S_FALSE);
    EXPECT_EQ(tov_interface_supports_error_info(object_, nullptr), TOV_S_FALSE);
    tov_ids(nullptr, nullptr, nullptr);
}

// The width and height a PNG file's header gives, or 0 x 0 when it is no PNG.
std::pair<int, int> PngSize(const std::string& path) {
    unsigned char header[24] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {0, 0};
    const size_t read = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (read != sizeof header || std::memcmp(header, kSignature, 8) != 0) return {0, 0};
    const auto be32 = [&](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    return {be32(16), be32(20)};
}

const tov_attribute* Find(const std::vector<tov_attribute>& attributes, const char* name) {
    for (const tov_attribute& a : attributes) {
        if (std::strcmp(a.name, name) == 0) return &a;
    }
    return nullptr;
}

TEST_F(CApi, IntrospectionShowsTheInstalledPanel) {
    tov_variant install[] = {I4(10), I4(20), I4(320), I4(240)};
    ASSERT_EQ(tov_invoke(object_, Dispid("InstallPanel"), install, 4, nullptr, nullptr), TOV_S_OK);

    const int count = tov_panels(nullptr, 0);
    ASSERT_GE(count, 1);
    std::vector<tov_panel_info> panels(count);
    ASSERT_EQ(tov_panels(panels.data(), count), count);
    const tov_panel_info& panel = panels.back();  // the newest
    EXPECT_STREQ(panel.file, "tov_public.uir");
    EXPECT_EQ(panel.resource, 1);
    EXPECT_EQ(panel.left, 10);
    EXPECT_EQ(panel.top, 20);
    EXPECT_EQ(panel.width, 320);
    EXPECT_EQ(panel.height, 240);
    EXPECT_EQ(panel.visible, 1);
    EXPECT_EQ(panel.discarded, 0);

    const int control_count = tov_control_ids(panel.handle, nullptr, 0);
    std::vector<int> ids(control_count);
    ASSERT_EQ(tov_control_ids(panel.handle, ids.data(), control_count), control_count);
    EXPECT_NE(std::find(ids.begin(), ids.end(), 9), ids.end());
    EXPECT_EQ(tov_control_ids(-7, nullptr, 0), 0);

    // The DMD canvas is stretched over the whole panel.
    const int attribute_count = tov_control_attributes(panel.handle, 9, nullptr, 0);
    ASSERT_GT(attribute_count, 1);
    std::vector<tov_attribute> attributes(attribute_count);
    ASSERT_EQ(tov_control_attributes(panel.handle, 9, attributes.data(), attribute_count),
              attribute_count);
    EXPECT_STREQ(attributes[0].name, "kind");
    EXPECT_STREQ(attributes[0].text, "canvas");
    for (const auto& [name, value] : std::vector<std::pair<const char*, int>>{
             {"left", 0}, {"top", 0}, {"width", 320}, {"height", 240}}) {
        const tov_attribute* a = Find(attributes, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->type, TOV_ATTRIBUTE_INT) << name;
        EXPECT_EQ(a->integer, value) << name;
    }
    // The text canvas is parked at the panel's right edge.
    tov_attribute parked[8] = {};
    ASSERT_GT(tov_control_attributes(panel.handle, 10, parked, 8), 1);
    EXPECT_EQ(Find(std::vector<tov_attribute>(parked, parked + 8), "left")->integer, 320);

    uint32_t color = 1;
    EXPECT_EQ(tov_canvas_pixel(panel.handle, 9, 319, 239, &color), 0);
    EXPECT_EQ(color, 0u);
    EXPECT_LT(tov_canvas_pixel(panel.handle, 9, 320, 0, &color), 0);
    color = 1;
    EXPECT_EQ(tov_screen_pixel(10 + 160, 20 + 120, &color), 0);
    EXPECT_EQ(color, 0u);

    tov::testing::TempDir dir;
    ASSERT_EQ(tov_snapshot_panel(panel.handle, dir.File("panel.png").c_str()), 0);
    EXPECT_EQ(PngSize(dir.File("panel.png")), std::make_pair(320, 240));
    ASSERT_EQ(tov_snapshot_control(panel.handle, 9, dir.File("dmd.png").c_str()), 0);
    EXPECT_EQ(PngSize(dir.File("dmd.png")), std::make_pair(320, 240));
    ASSERT_EQ(tov_snapshot_screen(dir.File("screen.png").c_str()), 0);
    EXPECT_EQ(PngSize(dir.File("screen.png")), std::make_pair(1024, 768));
    EXPECT_LT(tov_snapshot_panel(-7, dir.File("none.png").c_str()), 0);
}

TEST_F(CApi, IntrospectionRefusesBadArguments) {
    uint32_t color = 0;
    EXPECT_EQ(tov_screen_pixel(0, 0, nullptr), -65);
    EXPECT_LT(tov_screen_pixel(-1, 0, &color), 0);
    EXPECT_LT(tov_screen_pixel(0, 100000, &color), 0);
    EXPECT_EQ(tov_canvas_pixel(1, 9, 0, 0, nullptr), -65);
    EXPECT_LT(tov_canvas_pixel(-7, 9, 0, 0, &color), 0);
    EXPECT_GE(tov_panels(nullptr, 0), 0);
    EXPECT_EQ(tov_panels(nullptr, 3), -65);
    EXPECT_EQ(tov_panels(nullptr, -1), -65);
    EXPECT_LT(tov_control_attributes(-7, 9, nullptr, 0), 0);
    EXPECT_EQ(tov_control_attributes(1, 9, nullptr, 2), -65);
    EXPECT_EQ(tov_snapshot_screen(nullptr), -65);
    EXPECT_EQ(tov_snapshot_panel(1, nullptr), -65);
    EXPECT_EQ(tov_snapshot_control(1, 9, nullptr), -65);
    tov_present();
}

}  // namespace
