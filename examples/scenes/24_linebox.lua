-- Rolling credits: the lines roll up from the bottom edge and start over once the last has
-- left the top; one line is taken out on the way.
local kLines = {
  "tovserver",
  "",
  "Display engine",
  "Frame and text effects",
  "Bitmap transitions",
  "Gauges and panels",
  "",
  "Thanks for playing!",
}

return {
  name = "rolling credits",
  frames = 400,
  setup = function(obj)
    obj:DeleteLineboxLine(-1)
    obj:SetUpLoopScrollAttr(40, 400, "DejaVu Sans", 22, 0xC0E0FF, 1, 0, 2)
    for _, line in ipairs(kLines) do obj:AddLineboxLine(line) end
  end,
  tick = function(obj, frame)
    if frame == 200 then obj:DeleteLineboxLine(1) end
    obj:ShowUpLoopScrollNextStep()
    if frame == 399 then
      obj:HideLinebox()
      obj:DeleteLineboxLine(-1)
    end
  end,
}
