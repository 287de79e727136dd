-- Pixel picture: the night view dissolves in over 100 ticks at 1.2 times its size, rests, and
-- dissolves out again. At a fractional zoom the blocks are 2 x 2 pixels and overlap, so the
-- finished picture has no gaps.
local kSlotNight = 303
local kRest = 20

return {
  name = "pixel picture",
  frames = 100 + kRest + 100,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_night_387x193.bmp", kSlotNight, 387, 193)
    obj:SetPixelPicAttr(-1, -1, 1.2, 1.2, kSlotNight, 1)
  end,
  tick = function(obj, frame)
    if frame < 100 then
      obj:ShowPixelPicStep(frame)
    elseif frame == 100 + kRest then
      obj:SetPixelPicAttr(-1, -1, 1.2, 1.2, kSlotNight, 0)
      obj:ShowPixelPicStep(0)
    elseif frame > 100 + kRest then
      obj:ShowPixelPicStep(frame - 100 - kRest)
    end
    if frame == 100 + kRest + 99 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
