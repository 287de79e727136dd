-- Wave: the middle band of the day view swings on a sine wave that travels up the picture;
-- half way the swing grows, later it calms down again, keeping its centre line.
local kSlotDay = 300

return {
  name = "wave",
  frames = 240,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_day_400x200.bmp", kSlotDay, 400, 200)
    obj:SetWaveAttr(kSlotDay, -1, -1, 1.2, 1.0, 40, 60, 30, 190)
  end,
  tick = function(obj, frame)
    if frame == 80 then obj:ChangeWaveAmplitude(30) end
    if frame == 160 then obj:ChangeWaveAmplitude(-50) end
    obj:ShowNextWaveStep()
    if frame == 239 then obj:HideFrameAnim() end -- parks the effect canvas
  end,
}
