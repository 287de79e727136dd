-- Bitmap construct, unrolled: the title card rolls down from its top row, then the day view
-- rolls up from its bottom row, each row stretched over the part still to come.
local kSlotDay = 300
local kSlotTitle = 302
local kPassFrames = 140

local passes = {
  { slot = kSlotTitle, width = 480, height = 180, style = 12 },
  { slot = kSlotDay, width = 400, height = 200, style = 10 },
}

return {
  name = "bitmap construct: row unrolls",
  frames = #passes * kPassFrames,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:AddBitmapToSelection("trans_title_320x120.bmp", kSlotTitle, 320, 120)
  end,
  tick = function(obj, frame)
    local pass = passes[frame // kPassFrames + 1]
    if frame % kPassFrames == 0 then
      obj:SetBitmapConstructAttr(pass.slot, -1, -1, pass.width, pass.height, pass.style)
    end
    for _ = 1, 2 do
      if obj.BitmapConstructState == 1 then break end
      obj:ShowNextBitmapConstructStep()
    end
    if frame == #passes * kPassFrames - 1 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
