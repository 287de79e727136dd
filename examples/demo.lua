-- The attract mode: every capability of the engine, one scene after the other.
--
-- The demo creates the object and installs the main panel once: at (40, 40), 640 x 240 pixels
-- on the screen, in the folder of the demo's assets (tov-play --cd). The scenes are the files
-- scenes/*.lua, played in file-name order; each is a chunk returning
--   { name = "...", frames = N, setup = function(obj) ... end, tick = function(obj, frame) ... end }
-- setup runs once before the scene's first frame, tick once per frame with the frame counted
-- from 0 within the scene. A scene loads its own bitmaps into its own slots and hides what it
-- showed before it ends; between scenes the DMD canvas is cleared to black.
--
-- ./run demo records a screen of 1024 x 600 pixels: auxiliary panels belong beside the main
-- panel (x from 700) or below it (y from 300).
--
-- A scene that fails is reported and skipped, so one broken scene never stops the show. The
-- scenes play once and the demo ends; with the argument --loop (tov-play demo.lua --loop) the
-- attract mode starts over until the window is closed.

local kPanelX, kPanelY, kPanelWidth, kPanelHeight = 40, 40, 640, 240

local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(kPanelX, kPanelY, kPanelWidth, kPanelHeight)

local list = {}
for _, path in ipairs(scenes()) do
  local ok, scene = pcall(dofile, path)
  if ok and type(scene) == "table" and type(scene.frames) == "number" then
    scene.file = path:match("[^/\\]+$")
    list[#list + 1] = scene
  else
    io.stderr:write("demo: scene ", path, " cannot be loaded: ", tostring(scene), "\n")
  end
end

local once = true
for _, a in ipairs(arg or {}) do
  if a == "--loop" then once = false end
end
local current, scene_frame = 1, 0

-- Runs one step of a scene; a failing scene is reported once and skipped.
local function step(scene, fn, ...)
  if not fn then return true end
  local ok, message = pcall(fn, obj, ...)
  if not ok then
    io.stderr:write("demo: scene '", scene.name or scene.file, "' skipped: ", tostring(message), "\n")
  end
  return ok
end

local function next_scene()
  obj:ChangePanelColor(0)
  obj:ClearArea(0, 0, -1, -1, 0)
  current, scene_frame = current + 1, 0
  if current > #list then
    if once then quit() end
    current = 1
  end
end

function tick(frame)
  if #list == 0 then quit() return end
  local scene = list[current]
  local ok = true
  if scene_frame == 0 then ok = step(scene, scene.setup) end
  if ok then ok = step(scene, scene.tick, scene_frame) end
  scene_frame = scene_frame + 1
  if not ok or scene_frame >= scene.frames then next_scene() end
end
