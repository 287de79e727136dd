-- TNT counter: a bonus counts up with five digits between its texts, then the score shows
-- with as many digits as it has, turning white at the end.
return {
  name = "TNT counter",
  frames = 240,
  setup = function(obj)
    obj:SetTNTAttr("BONUS ", " X", "DejaVu Sans", 1, 0, 0x40FF80, 32, -1, -1, 5)
  end,
  tick = function(obj, frame)
    if frame < 120 then
      obj:ShowTNT(frame * 417)
    else
      if frame == 120 then
        obj:SetTNTAttr("SCORE ", "", "DejaVu Sans", 1, 0, 0xFFC040, 36, -1, -1, -1)
      end
      local t = frame - 120
      obj:ShowTNT(t * t * t * 1171)
      if frame == 220 then obj:ChangeTNTColor(0xFFFFFF) end
    end
    if frame == 239 then obj:HideTNT() end
  end,
}
