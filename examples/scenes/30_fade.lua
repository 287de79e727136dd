-- Fade in/out: the day view rises from black, holds, and sinks back to black; then the title
-- card does the same at double size.
local kSlotDay = 300
local kSlotTitle = 302

local function brightness(t)
  -- 0..40 rising, 40..70 held, 70..110 falling
  if t < 40 then return math.floor(t * 100 / 40) end
  if t < 70 then return 100 end
  if t < 110 then return math.floor((110 - t) * 100 / 40) end
  return 0
end

return {
  name = "fade in/out",
  frames = 220,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:AddBitmapToSelection("trans_title_320x120.bmp", kSlotTitle, 320, 120)
    obj:SetBitmapFadeInOutAttr(kSlotDay, -1, -1, 1.0, 1.0)
  end,
  tick = function(obj, frame)
    if frame == 110 then
      obj:SetBitmapFadeInOutAttr(kSlotTitle, -1, -1, 2.0, 2.0)
    end
    obj:ChangeBitmapFadeInOutBrightness(brightness(frame % 110))
    if frame == 219 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
