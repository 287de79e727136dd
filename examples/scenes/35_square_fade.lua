-- Square fade: the day view appears on the DMD canvas cell by cell, from the left column to
-- the right, rests, and vanishes behind black frames from the bottom row upward.
local kSlotDay = 300
local kDim = 10

return {
  name = "square fade",
  frames = 180,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:SetBitmapSquareFadeAttr(-1, -1, kSlotDay, kDim, 1.0, 3, 1)
  end,
  tick = function(obj, frame)
    if frame == 90 then obj:SetBitmapSquareFadeAttr(-1, -1, kSlotDay, kDim, 1.0, 5, 0) end
    if obj.BitmapSquareFadeState == 0 then obj:ShowBitmapSquareFadeNextStep() end
  end,
}
