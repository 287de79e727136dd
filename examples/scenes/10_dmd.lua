-- The dot-matrix display: a score counting up with thousands separators, a text line below
-- it, and the extra panel with a DMD of its own (bonus value and a message) and its titled
-- text line. Near the end the extra panel blinks out and back (hide, show), its picture is
-- copied onto the main DMD, and the panel is discarded, so that a new round of the attract mode
-- installs a fresh one.

local FONT = 100        -- dmd_font.bmp: cells of 18 x 24
local SMALL = 101       -- dmd_font_small.bmp: cells of 12 x 16
local PLATE = 102       -- the extra panel's backdrop
local LOGO = 103        -- pic_logo_256x96.bmp, drawn shrunk beside the text line
local PLATE_W, PLATE_H = 240, 96

local FRAMES = 240
local COPY_FRAME = FRAMES - 40
local messages = { "GAME OVER", "INSERT COIN", "PLAYER 1", "EXTRA BALL", "JACKPOT" }

-- The score: slow at first, then racing towards ten digits.
local function score_at(frame)
  return math.floor(frame * frame * frame * 700 + frame * 137)
end

return {
  name = "DMD, extra panel and area drawing",
  frames = FRAMES,

  setup = function(obj)
    obj:AddBitmapToSelection("dmd_font.bmp", FONT, 18, 24)
    obj:AddBitmapToSelection("dmd_font_small.bmp", SMALL, 12, 16)
    obj:AddBitmapToSelection("dmd_extra_plate_240x96.bmp", PLATE, PLATE_W, PLATE_H)
    obj:AddBitmapToSelection("pic_logo_256x96.bmp", LOGO, 256, 96)
    obj:ClearArea(0, 0, -1, -1, 0x000000)
    obj:DrawOnBackground(LOGO, 0, 0, 256, 96, 424, 140, 192, 72)

    -- The extra panel sits just below the main panel (40, 40, 640 x 240), framed.
    obj:InstallExtraPanel(40, 300, PLATE_W, PLATE_H)
    obj:DrawOnExtraBack(PLATE, 0, 0, PLATE_W, PLATE_H, 0, 0, PLATE_W, PLATE_H)
    obj:SetExtraTextAttr(20, 74, 200, "BONUS", "", 13, 0xFFD040, 0x000000, 1)
    obj:SetExtraTextText("SHOOT THE RAMP")
  end,

  tick = function(obj, frame)
    -- After the copy the main DMD keeps the extra panel's picture in its top-left corner.
    if frame >= COPY_FRAME then
      if frame == FRAMES - 1 then obj:DiscardExtraPanel() end
      return
    end

    -- The score: cleared first, since the renderer only draws over what is there.
    -- Zoom 2: cells of 36 x 48, the separators hanging 24 pixels below the line.
    obj:ClearArea(20, 16, 10 * 36, 48 + 24, 0x000000)
    obj:SetDMDAttr(20, 16, 2, 2, FONT, 0, 1)
    obj:ShowDMDNumeric(score_at(frame))

    -- A text line that changes every second.
    if frame % 48 == 0 then
      local text = messages[(frame // 48) % #messages + 1]
      obj:ClearArea(20, 140, 11 * 27, 36, 0x000000)
      obj:SetDMDAttr(20, 140, 1.5, 1.5, FONT, 0, 0)
      obj:ShowDMDText(text)
    end

    -- The extra DMD: the backdrop redrawn as its eraser, the bonus growing from the left.
    obj:DrawAreaExtra(PLATE, 6, 6, PLATE_W - 12, 40, 6, 6)
    obj:SetDMDAttr(12, 10, 1, 1, SMALL, 0, 1)
    obj:ShowExtraValue(frame * 2500)
    obj:SetDMDAttr(12, 34, 0.75, 0.75, SMALL, 0, 0)
    obj:ShowExtraText(frame % 24 < 12 and "BONUS X" .. (frame // 48 + 1) or "")

    if frame == COPY_FRAME - 30 then obj:HideExtraPanel() end
    if frame == COPY_FRAME - 20 then obj:ShowExtraPanel() end
    if frame == COPY_FRAME - 1 then obj:CopyXtraToDmd() end
  end,
}
