-- Zoom text: JACKPOT grows out of the dark in orange and shrinks back, then SUPER grows with
-- only its green fading.
return {
  name = "zoom text",
  frames = 320,
  setup = function(obj)
    obj:GenerateTextZoomProc(0, "JACKPOT", "DejaVu Sans", 1, 0, 0xFF9020, 0x111, 8, 96)
    obj:GenerateTextZoomProc(1, "SUPER", "DejaVu Sans", 1, 1, 0x40FFFF, 0x010, 20, 72)
    obj:PrepareTextZoomProc(0)
  end,
  tick = function(obj, frame)
    if frame == 160 then obj:PrepareTextZoomProc(1) end
    obj:ShowTextZoomStep(frame // 160, frame % 160)
    if frame == 319 then obj:HideText() end
  end,
}
