-- Bitmap construct, built up: the night view opens from black in a growing oval, circle,
-- rectangle, square and star, at 1.3 times its size. Four steps a tick until complete.
local kSlotNight = 303
local kStyles = { 2, 4, 6, 8, 14 }
local kStyleFrames = 150
local kStepsPerTick = 4

return {
  name = "bitmap construct: build-up styles",
  frames = #kStyles * kStyleFrames,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_night_387x193.bmp", kSlotNight, 387, 193)
  end,
  tick = function(obj, frame)
    local style = kStyles[frame // kStyleFrames + 1]
    if frame % kStyleFrames == 0 then
      obj:SetBitmapConstructAttr(kSlotNight, -1, -1, 503, 230, style)
    end
    for _ = 1, kStepsPerTick do
      if obj.BitmapConstructState == 1 then break end
      obj:ShowNextBitmapConstructStep()
    end
    if frame == #kStyles * kStyleFrames - 1 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
