-- Captures: a title rendered in an installed font becomes a picture with its reflection (the
-- same text upside down) and its mirror image; a badge on a magenta ground is masked so that
-- only the badge rolls over the backdrop; at the end a shrunken capture of the panel sits in
-- the corner and the DMD's picture goes to the clipboard.
local kBackdrop, kBadge, kTitle, kReflection, kMirrored, kPanel = 400, 401, 402, 403, 404, 405
local kFont = "DejaVu Sans"
local kBadgeSize = 96
local kFloor = 136 -- the badge's top edge

local FRAMES = 220
local last_x = nil

-- The badge's left edge: it rolls to the right and back.
local function badge_x(frame)
  local t = (frame % 120) / 120
  local swing = t < 0.5 and t * 2 or 2 - t * 2
  return math.floor(8 + swing * (640 - kBadgeSize - 16))
end

return {
  name = "captures and masks",
  frames = FRAMES,

  setup = function(obj)
    obj:CheckFont(kFont) -- silent where the face is installed
    obj:AddBitmapToSelection("pic_backdrop_640x240.bmp", kBackdrop, 640, 240)
    obj:AddBitmapToSelection("capture_badge_96x96.bmp", kBadge, kBadgeSize, kBadgeSize)
    obj:MaskBitmapFromSelection(kBadge, 0xFF00FF)

    -- The texts show on black, which the masks leave out.
    obj:CopyBitmapFromFontTextToSelection(kTitle, "TILT", 1, 0, 0xFFD040, kFont, 56, 0)
    obj:CopyBitmapFromFontTextToSelection(kReflection, "TILT", 1, 0, 0x705818, kFont, 56, 1)
    obj:CopyBitmapFromFontTextToSelection(kMirrored, "TILT", 1, 1, 0x60C0FF, kFont, 40, 2)
    for _, slot in ipairs({ kTitle, kReflection, kMirrored }) do
      obj:MaskBitmapFromSelection(slot, 0x000000)
    end

    -- The sections reach past the texts' pictures; what lies beyond a picture is not drawn.
    obj:DrawArea(kBackdrop, 0, 0, 640, 240, 0, 0)
    obj:DrawArea(kReflection, 0, 0, 300, 100, 36, 70)
    obj:DrawArea(kTitle, 0, 0, 300, 100, 36, 8)
    obj:DrawArea(kMirrored, 0, 0, 300, 100, 420, 20)
  end,

  tick = function(obj, frame)
    if frame < FRAMES - 40 then
      -- The backdrop under the old place erases the badge; its corners stay the backdrop's.
      if last_x then obj:DrawArea(kBackdrop, last_x, kFloor, kBadgeSize, kBadgeSize, last_x, kFloor) end
      last_x = badge_x(frame)
      obj:DrawArea(kBadge, 0, 0, kBadgeSize, kBadgeSize, last_x, kFloor)
    elseif frame == FRAMES - 40 then
      -- The whole panel, badge and all, shrunk to a quarter and framed in the bottom-right
      -- corner once the badge has left.
      obj:CopyBitmapFromPanelToSelection(0, 0, 640, 240, kPanel)
      obj:DrawArea(kBackdrop, last_x, kFloor, kBadgeSize, kBadgeSize, last_x, kFloor)
      obj:ClearArea(474, 146, 164, 64, 0xF0C040)
      obj:DrawOnBackground(kPanel, 0, 0, 640, 240, 476, 148, 160, 60)
    elseif frame == FRAMES - 1 then
      obj:copydmdtosimpledmd()
      last_x = nil
    end
  end,
}
