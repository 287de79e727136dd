-- Lamella: four blinds in a row, each growing its strips one pixel per tick until they touch:
-- in from the left, out upwards, in from the right at 1.5 times the size, out downwards.
local kSlotDay = 300
local kSlotTitle = 302
local kDistance = 20
local kPassFrames = kDistance + 10 -- the strips grow, then the picture rests

local passes = {
  { slot = kSlotDay, zoom = 1.0, fade_in = 1, angle = 0 },
  { slot = kSlotDay, zoom = 1.0, fade_in = 0, angle = 90 },
  { slot = kSlotTitle, zoom = 1.5, fade_in = 1, angle = 180 },
  { slot = kSlotTitle, zoom = 1.5, fade_in = 0, angle = 270 },
}

return {
  name = "lamella",
  frames = #passes * kPassFrames,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:AddBitmapToSelection("trans_title_320x120.bmp", kSlotTitle, 320, 120)
  end,
  tick = function(obj, frame)
    local pass = passes[frame // kPassFrames + 1]
    local t = frame % kPassFrames
    if t == 0 then
      obj:SetLamellaAttr(pass.slot, -1, -1, pass.zoom, pass.zoom, kDistance, pass.fade_in,
                         pass.angle)
    end
    obj:ShowLamellaStep(math.min(t + 1, kDistance))
    if frame == #passes * kPassFrames - 1 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
