-- The layout of a DMD font strip, drawn by the engine itself: the first twenty cells of
-- dmd_font.bmp twice as large, each with its number below, the separator quarter of cell 10
-- framed in white and the blank cell 16 (drawn for a space) framed in grey.
--
--   tov-play --screen 760x120 --snapshot font-template.png font_template.lua

local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(0, 0, 760, 120)
local FONT, SMALL = 0, 1
obj:AddBitmapToSelection("dmd_font.bmp", FONT, 18, 24)
obj:AddBitmapToSelection("dmd_font_small.bmp", SMALL, 12, 16)

local CELLS, ZOOM, LEFT, TOP = 20, 2, 20, 8
local W, H = 18 * ZOOM, 24 * ZOOM
obj:ClearArea(0, 0, -1, -1, 0x101010)

local function frame(x, y, w, h, color)
  obj:ClearArea(x, y, w, 1, color)
  obj:ClearArea(x, y + h - 1, w, 1, color)
  obj:ClearArea(x, y, 1, h, color)
  obj:ClearArea(x + w - 1, y, 1, h, color)
end

for k = 0, CELLS - 1 do
  local x = LEFT + k * W
  -- Cell k of the strip, stretched to twice its size.
  obj:DrawOnBackground(FONT, k * 18, 0, 18, 24, x, TOP, W, H)
  frame(x, TOP, W, H, 0x406080)
  -- Its number below it, centred.
  local label = tostring(k)
  obj:SetDMDAttr(x + (W - 12 * #label) // 2, TOP + H + 8, 1, 1, SMALL, 0, 0)
  obj:ShowDMDText(label)
end
frame(LEFT + 10 * W, TOP, W // 2, H // 2, 0xFFFFFF)
frame(LEFT + 16 * W, TOP, W, H, 0xA0A0A0)
