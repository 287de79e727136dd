// Sections: values between Lua and automation; the object and its members; CreateObject;
// runtime (introspection over the C interface); scenes and quit; LuaHost.
#include "lua_host.h"

#include <tov/tov.h>
#include <lua.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>
#include <vector>

#include "server/dispatch.h"
#include "server/member_table.h"

namespace tov::player {
namespace {

constexpr const char* kObjectType = "tovserver.myQuendal";
constexpr const char* kStateKey = "tov-play.state";

ScriptState& State(lua_State* L) {
    lua_getfield(L, LUA_REGISTRYINDEX, kStateKey);
    auto* state = static_cast<ScriptState*>(lua_touserdata(L, -1));
    lua_pop(L, 1);
    return *state;
}

// --- Values between Lua and automation -----------------------------------------------------

// The Lua value at `index` as an automation argument. Strings point into Lua's copy, which
// stays on the stack for the duration of the call. Returns false for a value no member takes.
bool ToVariant(lua_State* L, int index, tov_variant* out) {
    *out = tov_variant{};
    switch (lua_type(L, index)) {
        case LUA_TNONE:
        case LUA_TNIL:
            out->type = TOV_VT_EMPTY;
            return true;
        case LUA_TBOOLEAN:
            out->type = TOV_VT_BOOL;
            out->integer = lua_toboolean(L, index) ? -1 : 0;
            return true;
        case LUA_TNUMBER:
            if (lua_isinteger(L, index)) {
                const lua_Integer v = lua_tointeger(L, index);
                const bool narrow = v >= std::numeric_limits<int32_t>::min() &&
                                    v <= std::numeric_limits<int32_t>::max();
                out->type = narrow ? TOV_VT_I4 : TOV_VT_I8;
                out->integer = v;
            } else {
                out->type = TOV_VT_R8;
                out->real = lua_tonumber(L, index);
            }
            return true;
        case LUA_TSTRING:
            out->type = TOV_VT_STRING;
            out->string = lua_tostring(L, index);
            return true;
        default:
            return false;
    }
}

// Pushes what a member wrote into a variant: a number, a string, or nil when it stayed empty.
void PushVariant(lua_State* L, const tov_variant& v) {
    switch (v.type) {
        case TOV_VT_I2:
        case TOV_VT_I4:
        case TOV_VT_I8:
        case TOV_VT_UI1:
            lua_pushinteger(L, static_cast<lua_Integer>(v.integer));
            break;
        case TOV_VT_BOOL:
            lua_pushboolean(L, v.integer != 0);
            break;
        case TOV_VT_R8:
            lua_pushnumber(L, v.real);
            break;
        case TOV_VT_STRING:
            lua_pushstring(L, v.string != nullptr ? v.string : "");
            break;
        default:
            lua_pushnil(L);
            break;
    }
}

// --- The object and its members ------------------------------------------------------------

struct LuaObject {
    tov_object* object = nullptr;
};

// The object a member is called on; raises an error when the call is not obj:Member(...).
tov_object* CheckObject(lua_State* L, int index, std::string_view member) {
    auto* o = static_cast<LuaObject*>(luaL_testudata(L, index, kObjectType));
    if (o == nullptr || o->object == nullptr) {
        // Lua's formatter knows no precision, so the text is made here; the string is gone
        // before lua_error unwinds.
        {
            const std::string name(member);
            const std::string hint = "'" + name +
                                     "' is a member of the object: call it as obj:" + name +
                                     "(...), with a colon";
            luaL_where(L, 1);
            lua_pushlstring(L, hint.data(), hint.size());
        }
        lua_concat(L, 2);
        lua_error(L);
    }
    return o->object;
}

// Pushes the message of a refused call, with the script's file and line; the message names the
// member. The caller raises it with lua_error once its own C++ objects are gone (a Lua error
// unwinds without running destructors).
void PushCallError(lua_State* L, tov_object* object, const server::MemberDecl& decl,
                   tov_status status, int given) {
    const std::string name(decl.name);
    std::string why = tov_error_text(object);
    if (why.empty()) {
        switch (status) {
            case TOV_DISP_E_BADPARAMCOUNT:
                why = "takes " + std::to_string(decl.ArgumentCount()) + " argument(s), " +
                      std::to_string(given) + " given";
                break;
            case TOV_DISP_E_TYPEMISMATCH:
                why = "an argument has the wrong type";
                break;
            case TOV_E_NOTIMPL:
                why = "has no body in this build";
                break;
            default: {
                char text[64];
                std::snprintf(text, sizeof text, "failed with status 0x%08X",
                              static_cast<unsigned>(status));
                why = text;
            }
        }
    }
    if (why.find(name) == std::string::npos) why = "'" + name + "' " + why;
    luaL_where(L, 1);
    lua_pushlstring(L, why.data(), why.size());
    lua_concat(L, 2);
}

// Pushes a message with the script's file and line.
void PushError(lua_State* L, const std::string& message) {
    luaL_where(L, 1);
    lua_pushlstring(L, message.data(), message.size());
    lua_concat(L, 2);
}

// The work of CallMember; returns the number of results, or -1 with an error message pushed.
int CallMemberUnprotected(lua_State* L, const server::MemberDecl& decl, tov_object* object) {
    const int given = lua_gettop(L) - 1;

    // The arguments in parameter order; an out argument is a reference to a result variant.
    // A script passes the in arguments only, or placeholders for the out arguments as well.
    const auto params = decl.Params();
    size_t outs = 0;
    for (const server::Param& p : params)
        outs += p.type == server::ParamType::VariantOut ? 1 : 0;
    const bool placeholders = outs > 0 && given == static_cast<int>(params.size());
    std::vector<tov_variant> results(outs);
    std::vector<tov_variant> arguments;
    arguments.reserve(params.size() + static_cast<size_t>(std::max(given, 0)));
    int next_lua = 2;
    size_t next_out = 0;
    for (const server::Param& p : params) {
        if (p.type == server::ParamType::VariantOut) {
            tov_variant ref{};
            ref.type = TOV_VT_REF;
            ref.ref = &results[next_out++];
            arguments.push_back(ref);
            if (placeholders) ++next_lua;
            continue;
        }
        if (next_lua > lua_gettop(L)) break;
        tov_variant v;
        if (!ToVariant(L, next_lua, &v)) {
            // Appended piece by piece: g++ 12 warns wrongly of an overlapping copy in
            // "'" + std::string(...) at -O3.
            std::string message = "'";
            message.append(decl.name)
                .append("': argument ")
                .append(std::to_string(next_lua - 1))
                .append(" (")
                .append(p.name)
                .append(") cannot be a ")
                .append(luaL_typename(L, next_lua));
            PushError(L, message);
            return -1;
        }
        arguments.push_back(v);
        ++next_lua;
    }
    // Arguments beyond the member's parameters go along, so the dispatch refuses the count.
    for (; next_lua <= lua_gettop(L); ++next_lua) {
        tov_variant v;
        if (!ToVariant(L, next_lua, &v)) v = tov_variant{};
        arguments.push_back(v);
    }

    tov_variant result{};
    uint32_t arg_error = TOV_NO_ARGUMENT;
    const tov_status status =
        tov_invoke(object, decl.dispid, arguments.data(), static_cast<uint32_t>(arguments.size()),
                   &result, &arg_error);
    tov_variant_clear(&result);
    if (status != TOV_S_OK && status != TOV_E_BODY_FAILED) {
        for (tov_variant& r : results)
            tov_variant_clear(&r);
        PushCallError(L, object, decl, status, given);
        return -1;
    }
    lua_pushinteger(L, status == TOV_S_OK ? 0 : -1);
    for (tov_variant& r : results) {
        PushVariant(L, r);
        tov_variant_clear(&r);
    }
    return 1 + static_cast<int>(results.size());
}

// A member call: obj:Member(arguments...). Upvalue 1 is the member's index in the table.
// Returns the status as an integer (0, -1 for a member's failure), then the values of the
// member's out arguments, which the script does not pass.
int CallMember(lua_State* L) {
    const lua_Integer member = lua_tointeger(L, lua_upvalueindex(1));
    if (member < 0 || member >= server::kMemberCount) return luaL_error(L, "no such member");
    const server::MemberDecl& decl = server::kMemberTable[static_cast<size_t>(member)];
    tov_object* object = CheckObject(L, 1, decl.name);
    const int results = CallMemberUnprotected(L, decl, object);
    return results < 0 ? lua_error(L) : results;
}

// obj.Name: a property's value, or the member function of a method.
int ObjectIndex(lua_State* L) {
    tov_object* object = static_cast<LuaObject*>(luaL_checkudata(L, 1, kObjectType))->object;
    if (lua_type(L, 2) != LUA_TSTRING) {
        return luaL_error(L, "members of %s are named by strings, not by a %s", kObjectType,
                          luaL_typename(L, 2));
    }
    const char* name = lua_tostring(L, 2);
    int32_t dispid = TOV_DISPID_UNKNOWN;
    if (object == nullptr || tov_get_ids_of_names(object, name, &dispid) != TOV_S_OK) {
        return luaL_error(L, "'%s' is not a member of %s", name, kObjectType);
    }
    const int member = server::MemberIndexOfDispid(dispid);
    if (member < 0 || member >= server::kMemberCount) {
        return luaL_error(L, "'%s' is not a member of %s", name, kObjectType);
    }
    const server::MemberDecl& decl = server::kMemberTable[member];
    if (decl.kind == server::MemberKind::PropertyGet) {
        tov_variant result{};
        const tov_status status = tov_invoke(object, dispid, nullptr, 0, &result, nullptr);
        if (status != TOV_S_OK) {
            PushCallError(L, object, decl, status, 0);
            return lua_error(L);
        }
        PushVariant(L, result);
        tov_variant_clear(&result);
        return 1;
    }
    lua_pushinteger(L, member);
    lua_pushcclosure(L, CallMember, 1);
    return 1;
}

int ObjectNewIndex(lua_State* L) {
    const char* name = luaL_tolstring(L, 2, nullptr);
    return luaL_error(L, "'%s' cannot be set: the members of %s are read-only", name, kObjectType);
}

int ObjectGc(lua_State* L) {
    auto* o = static_cast<LuaObject*>(luaL_checkudata(L, 1, kObjectType));
    tov_release(o->object);
    o->object = nullptr;
    return 0;
}

int ObjectToString(lua_State* L) {
    lua_pushstring(L, kObjectType);
    return 1;
}

// --- CreateObject ----------------------------------------------------------------------------

int CreateObject(lua_State* L) {
    const char* prog_id = luaL_checkstring(L, 1);
    auto* o = static_cast<LuaObject*>(lua_newuserdatauv(L, sizeof(LuaObject), 0));
    o->object = nullptr;
    luaL_setmetatable(L, kObjectType);
    tov_object* object = nullptr;
    const tov_status status = tov_create(prog_id, &object);
    if (status != TOV_S_OK || object == nullptr) {
        return luaL_error(L, "CreateObject: there is no class \"%s\" (only \"%s\")", prog_id,
                          TOV_PROG_ID);
    }
    o->object = object;
    return 1;
}

// --- runtime -----------------------------------------------------------------------------

void SetInteger(lua_State* L, const char* key, lua_Integer value) {
    lua_pushinteger(L, value);
    lua_setfield(L, -2, key);
}
void SetBoolean(lua_State* L, const char* key, bool value) {
    lua_pushboolean(L, value);
    lua_setfield(L, -2, key);
}
void SetString(lua_State* L, const char* key, const std::string& value) {
    lua_pushlstring(L, value.data(), value.size());
    lua_setfield(L, -2, key);
}

int RuntimePanels(lua_State* L) {
    const int count = tov_panels(nullptr, 0);
    std::vector<tov_panel_info> panels(static_cast<size_t>(std::max(count, 0)));
    const int filled =
        panels.empty() ? 0 : tov_panels(panels.data(), static_cast<int>(panels.size()));
    lua_createtable(L, std::max(filled, 0), 0);
    for (int i = 0; i < filled && i < static_cast<int>(panels.size()); ++i) {
        const tov_panel_info& p = panels[static_cast<size_t>(i)];
        lua_createtable(L, 0, 11);
        SetInteger(L, "handle", p.handle);
        SetString(L, "file", std::string(p.file, strnlen(p.file, sizeof p.file)));
        SetInteger(L, "resource", p.resource);
        SetInteger(L, "left", p.left);
        SetInteger(L, "top", p.top);
        SetInteger(L, "width", p.width);
        SetInteger(L, "height", p.height);
        SetBoolean(L, "visible", p.visible != 0);
        SetBoolean(L, "frame", p.frame != 0);
        SetBoolean(L, "enabled", p.enabled != 0);
        SetBoolean(L, "discarded", p.discarded != 0);
        lua_rawseti(L, -2, i + 1);
    }
    return 1;
}

int CheckInt(lua_State* L, int index) {
    const lua_Integer v = luaL_checkinteger(L, index);
    return static_cast<int>(std::clamp<lua_Integer>(v, INT32_MIN, INT32_MAX));
}

// The properties that are yes/no switches, given to scripts as booleans so that a plain
// `if c.visible then` reads right.
bool IsSwitch(const std::string& key) {
    return key == "visible" || key == "bold" || key == "italic" || key == "dimmed";
}

void PushAttribute(lua_State* L, const tov_attribute& a) {
    const std::string key = a.name != nullptr ? a.name : "";
    switch (a.type) {
        case TOV_ATTRIBUTE_INT:
            if (IsSwitch(key)) {
                lua_pushboolean(L, a.integer != 0);
            } else {
                lua_pushinteger(L, static_cast<lua_Integer>(a.integer));
            }
            break;
        case TOV_ATTRIBUTE_DOUBLE:
            lua_pushnumber(L, a.real);
            break;
        case TOV_ATTRIBUTE_TEXT:
            lua_pushstring(L, a.text != nullptr ? a.text : "");
            break;
        case TOV_ATTRIBUTE_TEXT_LIST: {
            // The texts follow one another, each ended by a line feed.
            lua_createtable(L, std::max(a.count, 0), 0);
            const char* text = a.text != nullptr ? a.text : "";
            for (int n = 0; n < a.count && *text != '\0'; ++n) {
                const char* end = std::strchr(text, '\n');
                const size_t length =
                    end != nullptr ? static_cast<size_t>(end - text) : std::strlen(text);
                lua_pushlstring(L, text, length);
                lua_rawseti(L, -2, n + 1);
                text += length + (end != nullptr ? 1 : 0);
            }
            break;
        }
        default:
            lua_pushnil(L);
            break;
    }
}

// runtime.control(panel, id): the control's kind and properties, or nil.
int RuntimeControl(lua_State* L) {
    const int panel = CheckInt(L, 1);
    const int control = CheckInt(L, 2);
    const int count = tov_control_attributes(panel, control, nullptr, 0);
    if (count < 0) {
        lua_pushnil(L);
        return 1;
    }
    std::vector<tov_attribute> attributes(static_cast<size_t>(count));
    const int filled =
        count > 0 ? tov_control_attributes(panel, control, attributes.data(), count) : 0;
    if (filled < 0) {
        lua_pushnil(L);
        return 1;
    }
    lua_createtable(L, 0, count);
    for (int i = 0; i < filled && i < count; ++i) {
        const tov_attribute& a = attributes[static_cast<size_t>(i)];
        if (a.name == nullptr) continue;
        PushAttribute(L, a);
        lua_setfield(L, -2, a.name);
    }
    return 1;
}

int RuntimeCanvasPixel(lua_State* L) {
    uint32_t color = 0;
    if (tov_canvas_pixel(CheckInt(L, 1), CheckInt(L, 2), CheckInt(L, 3), CheckInt(L, 4), &color) <
        0) {
        lua_pushnil(L);
    } else {
        lua_pushinteger(L, color & 0xFFFFFF);
    }
    return 1;
}

int RuntimeScreenPixel(lua_State* L) {
    uint32_t color = 0;
    if (tov_screen_pixel(CheckInt(L, 1), CheckInt(L, 2), &color) < 0) {
        lua_pushnil(L);
    } else {
        lua_pushinteger(L, color & 0xFFFFFF);
    }
    return 1;
}

// runtime.clipboard(): { width, height } of the last picture put on the clipboard (0 x 0 before
// any), or nil where the picture went to the system's clipboard.
int RuntimeClipboard(lua_State* L) {
    int width = 0;
    int height = 0;
    if (tov_clipboard_size(&width, &height) < 0) {
        lua_pushnil(L);
        return 1;
    }
    lua_createtable(L, 0, 2);
    lua_pushinteger(L, width);
    lua_setfield(L, -2, "width");
    lua_pushinteger(L, height);
    lua_setfield(L, -2, "height");
    return 1;
}

int RuntimeClipboardPixel(lua_State* L) {
    uint32_t color = 0;
    if (tov_clipboard_pixel(CheckInt(L, 1), CheckInt(L, 2), &color) < 0) {
        lua_pushnil(L);
    } else {
        lua_pushinteger(L, color & 0xFFFFFF);
    }
    return 1;
}

int RuntimePopups(lua_State* L) {
    const int count = tov_popup_count();
    lua_createtable(L, std::max(count, 0), 0);
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const char* title = nullptr;
        const char* text = nullptr;
        if (tov_popup(i, &title, &text) < 0) continue;
        lua_createtable(L, 0, 2);
        SetString(L, "title", title != nullptr ? title : "");
        SetString(L, "text", text != nullptr ? text : "");
        lua_rawseti(L, -2, ++n);
    }
    return 1;
}

int RuntimeClearPopups(lua_State*) {
    tov_clear_popups();
    return 0;
}

// A mouse button given as a boolean or a number (non-zero is down).
int Button(lua_State* L, int index) {
    if (lua_isboolean(L, index)) return lua_toboolean(L, index) ? 1 : 0;
    if (lua_isnoneornil(L, index)) return 0;
    return luaL_checknumber(L, index) != 0 ? 1 : 0;
}

int RuntimeSetMouse(lua_State* L) {
    const int status =
        tov_set_mouse(CheckInt(L, 1), CheckInt(L, 2), Button(L, 3), Button(L, 4), Button(L, 5));
    if (status == TOV_ERR_NOT_HEADLESS) {
        return luaL_error(L, "runtime.set_mouse: the mouse can only be set in a headless run");
    }
    lua_pushinteger(L, status);
    return 1;
}

int RuntimeSnapshot(lua_State* L) {
    const char* path = luaL_checkstring(L, 1);
    lua_pushinteger(L, tov_snapshot_screen(path));
    return 1;
}

int RuntimeFrame(lua_State* L) {
    lua_pushinteger(L, State(L).frame);
    return 1;
}

int RuntimeRecording(lua_State* L) {
    lua_pushboolean(L, State(L).recording);
    return 1;
}

int RuntimeHeadless(lua_State* L) {
    lua_pushboolean(L, State(L).headless);
    return 1;
}

// --- scenes and quit -----------------------------------------------------------------------

// scenes(): the paths of the scene files, scenes/*.lua next to the script, in file-name order.
int Scenes(lua_State* L) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code error;
    const fs::path dir = fs::path(State(L).script_dir) / "scenes";
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".lua" && it->is_regular_file(error))
            found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return fs::path(a).filename() < fs::path(b).filename();
    });
    lua_createtable(L, static_cast<int>(found.size()), 0);
    for (size_t i = 0; i < found.size(); ++i) {
        lua_pushstring(L, found[i].c_str());
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

int Quit(lua_State* L) {
    State(L).quit = true;
    return 0;
}

// The message handler of every protected call: the error with a traceback of the script.
int MessageHandler(lua_State* L) {
    const char* message = lua_tostring(L, 1);
    if (message == nullptr) message = luaL_tolstring(L, 1, nullptr);
    luaL_traceback(L, L, message, 1);
    return 1;
}

}  // namespace

// --- LuaHost -------------------------------------------------------------------------------

LuaHost::LuaHost(ScriptState* state) : lua_(luaL_newstate()) {
    lua_State* L = lua_;
    luaL_openlibs(L);
    lua_pushlightuserdata(L, state);
    lua_setfield(L, LUA_REGISTRYINDEX, kStateKey);

    luaL_newmetatable(L, kObjectType);
    const luaL_Reg object_methods[] = {{"__index", ObjectIndex},
                                       {"__newindex", ObjectNewIndex},
                                       {"__gc", ObjectGc},
                                       {"__tostring", ObjectToString},
                                       {nullptr, nullptr}};
    luaL_setfuncs(L, object_methods, 0);
    lua_pop(L, 1);

    lua_register(L, "CreateObject", CreateObject);
    lua_register(L, "scenes", Scenes);
    lua_register(L, "quit", Quit);

    const luaL_Reg runtime[] = {{"panels", RuntimePanels},
                                {"control", RuntimeControl},
                                {"canvas_pixel", RuntimeCanvasPixel},
                                {"screen_pixel", RuntimeScreenPixel},
                                {"clipboard", RuntimeClipboard},
                                {"clipboard_pixel", RuntimeClipboardPixel},
                                {"popups", RuntimePopups},
                                {"clear_popups", RuntimeClearPopups},
                                {"set_mouse", RuntimeSetMouse},
                                {"snapshot", RuntimeSnapshot},
                                {"frame", RuntimeFrame},
                                {"recording", RuntimeRecording},
                                {"headless", RuntimeHeadless},
                                {nullptr, nullptr}};
    luaL_newlib(L, runtime);
    lua_setglobal(L, "runtime");
}

LuaHost::~LuaHost() {
    lua_close(lua_);
}

bool LuaHost::Call(int arguments, std::string* error) {
    lua_State* L = lua_;
    const int base = lua_gettop(L) - arguments;  // the function's slot
    lua_pushcfunction(L, MessageHandler);
    lua_insert(L, base);
    const int status = lua_pcall(L, arguments, 0, base);
    lua_remove(L, base);
    if (status != LUA_OK) {
        const char* message = lua_tostring(L, -1);
        *error = message != nullptr ? message : "an error without a message";
        lua_pop(L, 1);
        return false;
    }
    return true;
}

bool LuaHost::RunFile(const std::string& path, const std::string& chunk_name,
                      const std::vector<std::string>& arguments, std::string* error) {
    lua_createtable(lua_, static_cast<int>(arguments.size()), 1);
    lua_pushstring(lua_, chunk_name.c_str());
    lua_rawseti(lua_, -2, 0);
    for (size_t i = 0; i < arguments.size(); ++i) {
        lua_pushstring(lua_, arguments[i].c_str());
        lua_rawseti(lua_, -2, static_cast<lua_Integer>(i + 1));
    }
    lua_setglobal(lua_, "arg");

    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot open " + chunk_name;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const std::string code = text.str();
    const std::string name = "@" + chunk_name;
    if (luaL_loadbufferx(lua_, code.data(), code.size(), name.c_str(), "t") != LUA_OK) {
        *error = lua_tostring(lua_, -1);
        lua_pop(lua_, 1);
        return false;
    }
    return Call(0, error);
}

bool LuaHost::RunString(const std::string& code, std::string* error) {
    if (luaL_loadbufferx(lua_, code.data(), code.size(), "=script", "t") != LUA_OK) {
        *error = lua_tostring(lua_, -1);
        lua_pop(lua_, 1);
        return false;
    }
    return Call(0, error);
}

bool LuaHost::HasTick() {
    const bool is_function = lua_getglobal(lua_, "tick") == LUA_TFUNCTION;
    lua_pop(lua_, 1);
    return is_function;
}

namespace {

void StopScript(lua_State* L, lua_Debug*) {
    lua_sethook(L, nullptr, 0, 0);
    luaL_error(L, "interrupted");
}

}  // namespace

void LuaHost::Interrupt() {
    // As the Lua interpreter does on Ctrl-C: a hook is the one thing a signal handler may set.
    lua_sethook(lua_, StopScript, LUA_MASKCALL | LUA_MASKRET | LUA_MASKCOUNT, 1);
}

bool LuaHost::CallTick(long frame, std::string* error) {
    if (lua_getglobal(lua_, "tick") != LUA_TFUNCTION) {
        lua_pop(lua_, 1);
        return true;
    }
    lua_pushinteger(lua_, frame);
    return Call(1, error);
}

}  // namespace tov::player
