// The Lua side of tov-play: the globals a table script sees (CreateObject, runtime, scenes,
// quit), the late-bound object of "tovserver.myQuendal", and the calls of the script's tick.
#pragma once

#include <string>
#include <vector>

struct lua_State;

namespace tov::player {

// What the script and the player share while a script runs.
struct ScriptState {
    bool quit = false;       // set by quit(): the run ends after the current tick
    long frame = 0;          // the tick being run (runtime.frame())
    bool recording = false;  // runtime.recording(): a GIF is being recorded
    bool headless = true;    // runtime.headless(): no windows
    std::string script_dir;  // the folder of the script, for scenes()
};

class LuaHost {
  public:
    explicit LuaHost(ScriptState* state);
    ~LuaHost();
    LuaHost(const LuaHost&) = delete;
    LuaHost& operator=(const LuaHost&) = delete;

    // Loads the script file and runs its main chunk; `chunk_name` is how messages name the
    // file. The global `arg` holds the script's name at 0 and its arguments from 1, as the
    // Lua interpreter has it. Returns false with the message (file and line first) in *error.
    bool RunFile(const std::string& path, const std::string& chunk_name,
                 const std::vector<std::string>& arguments, std::string* error);
    // Runs a piece of Lua text (tests).
    bool RunString(const std::string& code, std::string* error);
    // True when the script defines a global function `tick`.
    bool HasTick();
    // Calls tick(frame). Returns false with the message in *error.
    bool CallTick(long frame, std::string* error);
    // Makes the running script fail with "interrupted" at its next instruction. Safe to call
    // from a signal handler.
    void Interrupt();

  private:
    bool Call(int arguments, std::string* error);
    lua_State* lua_ = nullptr;
};

}  // namespace tov::player
