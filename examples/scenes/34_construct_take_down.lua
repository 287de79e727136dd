-- Bitmap construct, taken down: the day view is closed in on by black ovals, circles,
-- rectangles, squares and a star, one style after the other. Each style runs three steps a
-- tick until the state property says it is complete, then the black rests for a moment.
local kSlotDay = 300
local kStyles = { 1, 3, 5, 7, 13 }
local kStyleFrames = 140
local kStepsPerTick = 3

return {
  name = "bitmap construct: take-down styles",
  frames = #kStyles * kStyleFrames,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
  end,
  tick = function(obj, frame)
    local style = kStyles[frame // kStyleFrames + 1]
    if frame % kStyleFrames == 0 then
      obj:SetBitmapConstructAttr(kSlotDay, -1, -1, 300, 150, style)
    end
    for _ = 1, kStepsPerTick do
      if obj.BitmapConstructState == 1 then break end
      obj:ShowNextBitmapConstructStep()
    end
    if frame == #kStyles * kStyleFrames - 1 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
