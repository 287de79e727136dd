-- Bitmap construct, every style in turn: black ovals, circles, rectangles, squares and a star
-- close in on the day view; the night view, at 1.3 times its size, opens from black in the same
-- figures; then the title card unrolls downward and the day view upward. Each pass makes a few
-- steps a tick until the state property says it is complete, then rests for a moment.
local kSlotDay = 300
local kSlotNight = 303
local kSlotTitle = 302
local kPassFrames = 100

local passes = {
  { slot = kSlotDay, width = 300, height = 150, style = 1, steps = 3 },
  { slot = kSlotDay, width = 300, height = 150, style = 3, steps = 4 },
  { slot = kSlotDay, width = 300, height = 150, style = 5, steps = 2 },
  { slot = kSlotDay, width = 300, height = 150, style = 7, steps = 4 },
  { slot = kSlotDay, width = 300, height = 150, style = 13, steps = 1 },
  { slot = kSlotNight, width = 503, height = 230, style = 2, steps = 4 },
  { slot = kSlotNight, width = 503, height = 230, style = 4, steps = 7 },
  { slot = kSlotNight, width = 503, height = 230, style = 6, steps = 3 },
  { slot = kSlotNight, width = 503, height = 230, style = 8, steps = 7 },
  { slot = kSlotNight, width = 503, height = 230, style = 14, steps = 2 },
  { slot = kSlotTitle, width = 480, height = 180, style = 12, steps = 2 },
  { slot = kSlotDay, width = 400, height = 200, style = 10, steps = 3 },
}

return {
  name = "bitmap construct",
  frames = #passes * kPassFrames,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:AddBitmapToSelection("trans_night_387x193.bmp", kSlotNight, 387, 193)
    obj:AddBitmapToSelection("trans_title_320x120.bmp", kSlotTitle, 320, 120)
  end,
  tick = function(obj, frame)
    local pass = passes[frame // kPassFrames + 1]
    if frame % kPassFrames == 0 then
      obj:SetBitmapConstructAttr(pass.slot, -1, -1, pass.width, pass.height, pass.style)
    end
    for _ = 1, pass.steps do
      if obj.BitmapConstructState == 1 then break end
      obj:ShowNextBitmapConstructStep()
    end
    if frame == #passes * kPassFrames - 1 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
