-- XYZ animation, Z zoom: a title plate comes towards the viewer and goes away again, twice. The
-- first time it drifts up to the right as it grows; the second time it grows faster at the end
-- (exponent 3) and drifts down to the left.
local kSlotTitle = 401

return {
  name = "Z zoom",
  frames = 2 * 160,
  setup = function(obj)
    obj:AddBitmapToSelection("sprite_title_160x64.bmp", kSlotTitle, 160, 64)
    obj:GenerateXYZAnimZoomProc(10, kSlotTitle, 0.1, 1.2, 1.0, 30, 60)
    obj:GenerateXYZAnimZoomProc(11, kSlotTitle, 0.1, 1.4, 3.0, 200, 80)
    obj:PrepareXYZAnimProc(10)
  end,
  tick = function(obj, frame)
    obj:ShowXYZAnimStep(10 + frame // 160, frame % 160)
    if frame == 2 * 160 - 1 then obj:HideXYZAnim() end
  end,
}
