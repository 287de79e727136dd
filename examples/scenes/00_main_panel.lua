-- The main panel: pictures of assorted sizes loaded into the bitmap selection and drawn on the
-- DMD canvas, the panel recoloured, hidden and shown again, its frame switched on and off.
local kBackdrop, kLogo, kChecker, kBall, kOdd, kSmallBall = 10, 11, 12, 13, 14, 15
local kColors = { 0x102040, 0x401020, 0x104020, 0x000000 }

return {
  name = "main panel",
  frames = 260,
  setup = function(obj)
    obj:AddBitmapToSelection("pic_backdrop_640x240.bmp", kBackdrop, 640, 240)
    obj:AddBitmapToSelection("pic_logo_256x96.bmp", kLogo, 256, 96)
    obj:AddBitmapToSelection("pic_checker_128x128.bmp", kChecker, 128, 128)
    obj:AddBitmapToSelection("pic_ball_64x64.bmp", kBall, 64, 64)
    obj:AddBitmapToSelection("pic_odd_333x77.bmp", kOdd, 333, 77)
    obj:AddBitmapToSelection("pic_ball_16x16.bmp", kSmallBall, 16, 16)
  end,
  tick = function(obj, frame)
    if frame == 0 then
      obj:DrawArea(kBackdrop, 0, 0, 640, 240, 0, 0)
    elseif frame == 20 then
      obj:DrawArea(kLogo, 0, 0, 256, 96, 192, 16)
    elseif frame == 40 then
      obj:DrawArea(kChecker, 0, 0, 128, 128, 24, 16)
    elseif frame >= 50 and frame < 90 then
      -- The ball rolls along the bottom, the small one hops above it.
      local x = 160 + (frame - 50) * 10
      obj:DrawArea(kBackdrop, 0, 144, 640, 96, 0, 144)
      obj:DrawArea(kBall, 0, 0, 64, 64, x, 170)
      obj:DrawArea(kSmallBall, 0, 0, 16, 16, x + 24, 150 - math.abs((frame % 10) - 5) * 4)
    elseif frame == 90 then
      obj:DrawArea(kOdd, 0, 0, 333, 77, 290, 150)
    elseif frame >= 110 and frame < 170 and (frame - 110) % 15 == 0 then
      -- Recoloured: the DMD canvas takes the new colour where it is cleared.
      local color = kColors[(frame - 110) // 15 + 1]
      obj:ChangePanelColor(color)
      obj:ClearArea(0, 0, -1, -1, color)
      obj:DrawArea(kLogo, 0, 0, 256, 96, 192, 72)
    elseif frame == 180 then
      obj:HidePanel()
    elseif frame == 200 then
      obj:ShowPanel()
    elseif frame == 215 then
      obj:SetPanelFrameVisibility(1)
    elseif frame == 245 then
      obj:SetPanelFrameVisibility(0)
    end
  end,
}
