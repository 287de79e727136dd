-- Ticker: a news line runs from right to left in front of everything and starts over when it
-- has run through; half way it turns red.
local kText = "+++ TOV BACKBOX +++ MULTIBALL READY +++ EXTRA BALL AT 5.000.000 +++ "

return {
  name = "ticker",
  frames = 360,
  setup = function(obj)
    obj:GenerateTextLeftLoopScrollProc(0, kText, "DejaVu Sans", 1, 0, 0xFFD040, 28, 6)
    obj:PrepareTextLeftLoopScrollProc(0)
    obj:ChangeZPlanePosScrolltext(1)
  end,
  tick = function(obj, frame)
    if frame == 180 then obj:ChangeTextLeftLoopColor(0xFF4030) end
    obj:ShowTextLeftLoopScrollNextStep(0)
    if frame == 359 then
      obj:HideText()
      obj:ChangeZPlanePosScrolltext(0)
    end
  end,
}
