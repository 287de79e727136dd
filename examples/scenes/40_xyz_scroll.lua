-- XYZ animation, XY scrolls: a pinball crosses the panel three times along different angles,
-- two steps of the path per tick: rising gently to the right, steeply up to the left at one and
-- a half times its size, and down to the left at a slant.
local kSlotBall = 400
local kTicksPerCrossing = 80
local kCrossings = {
  { angle = 15, zoom = 1.0 },
  { angle = 115, zoom = 1.5 },
  { angle = 235, zoom = 0.75 },
}

return {
  name = "XY scroll",
  frames = #kCrossings * kTicksPerCrossing,
  setup = function(obj)
    obj:AddBitmapToSelection("sprite_ball_48x48.bmp", kSlotBall, 48, 48)
    for i, crossing in ipairs(kCrossings) do
      obj:GenerateXYZAnimXYScrollProc(i - 1, kSlotBall, crossing.zoom, crossing.angle)
    end
    obj:PrepareXYZAnimProc(0)
  end,
  tick = function(obj, frame)
    local anim = frame // kTicksPerCrossing
    local step = math.min(2 * (frame % kTicksPerCrossing), 158)
    obj:ShowXYZAnimStep(anim, step)
    if frame == #kCrossings * kTicksPerCrossing - 1 then obj:HideXYZAnim() end
  end,
}
