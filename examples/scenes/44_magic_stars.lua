-- Magic stars: four coloured stars sparkle over the night view, each growing and shrinking at
-- its own pace and jumping to a new place whenever it is smallest. The magic stars have no hide,
-- so the scene ends by shrinking them to nothing; the night view goes with HideXYZAnim.
local kSlotNight = 404

return {
  name = "magic stars",
  frames = 300,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_night_400x200.bmp", kSlotNight, 400, 200)
    -- A zoom whose maximum is 0 stands still at its minimum: the night view, centred.
    obj:GenerateXYZAnimZoomProc(20, kSlotNight, 1.0, 0.0, 1.0, 0, 0)
    obj:PrepareXYZAnimProc(20)
    obj:ShowXYZAnimStep(20, 0)
    obj:SetMagicStarAttr(2, 32, 2, 4, 28, 3, 2, 24, 1, 6, 36, 4)
  end,
  tick = function(obj, frame)
    if frame == 299 then
      obj:SetMagicStarAttr(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)
      obj:HideXYZAnim()
    end
    obj:ShowNextMagicStarStep()
  end,
}
