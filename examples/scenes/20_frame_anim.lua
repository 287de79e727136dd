-- Frame animation: a coin spins in the middle of the panel, then the spinner turns in the
-- top-left corner, played backwards at half speed.
local kSlotCoin = 200
local kSlotSpinner = 201
local kCoinFrames = 12
local kSpinnerFrames = 8
local kCoinTicks = 120

return {
  name = "frame animation",
  frames = 240,
  setup = function(obj)
    obj:AddBitmapToSelection("text_effects_coin.bmp", kSlotCoin, 56, 56)
    obj:AddBitmapToSelection("frames_spinner.bmp", kSlotSpinner, 64, 64)
    obj:GenerateFrameAnim(0, kSlotCoin, 56, 56, -1, -1)
    obj:GenerateFrameAnim(1, kSlotSpinner, 64, 64, 16, 16)
    obj:PrepareFrameAnim(0)
  end,
  tick = function(obj, frame)
    if frame < kCoinTicks then
      obj:ShowFrameAnimFrame(0, frame % kCoinFrames)
    else
      if frame == kCoinTicks then obj:PrepareFrameAnim(1) end
      local t = (frame - kCoinTicks) // 2
      obj:ShowFrameAnimFrame(1, kSpinnerFrames - 1 - t % kSpinnerFrames)
    end
    if frame == 239 then obj:HideFrameAnim() end
  end,
}
