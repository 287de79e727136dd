-- Fade over: day turns into night and back, shown stretched to 600 x 240.
local kSlotDay = 300
local kSlotNight = 301

return {
  name = "fade over",
  frames = 160,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:AddBitmapToSelection("trans_night_400x200.bmp", kSlotNight, 400, 200)
    obj:SetBitmapFadeOverAttr(kSlotDay, kSlotNight, -1, -1, 600, 240)
  end,
  tick = function(obj, frame)
    -- 0..20 day, 20..70 to night, 70..90 night, 90..140 back to day, then day.
    local intensity = 0
    if frame >= 20 and frame < 70 then
      intensity = (frame - 20) * 2
    elseif frame >= 70 and frame < 90 then
      intensity = 100
    elseif frame >= 90 and frame < 140 then
      intensity = 100 - (frame - 90) * 2
    end
    obj:ChangeBitmapFadeOverIntensity(intensity)
    if frame == 159 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
