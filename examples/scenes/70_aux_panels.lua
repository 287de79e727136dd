-- The auxiliary panels, each a window of its own: an analogue watch running at a minute per
-- tick beside the main panel, a gem that lights up phase by phase, the LED board below with a
-- lamp chasing round its twelve sockets, and two simple panels with displays of their own, a
-- bonus counting up and a message. At the end every panel is discarded, so that a new round of
-- the attract mode installs them afresh.

local SMALL = 110  -- dmd_font_small.bmp: cells of 12 x 16
local BIG = 111    -- dmd_font.bmp: cells of 18 x 24

local FRAMES = 288
local messages = { "EXTRA BALL", "JACKPOT", "TILT" }

-- LED board 480 x 150: twelve sockets, six to a row, 80 pixels apart.
local function socket(lamp)
  local i = lamp - 1
  return 40 + (i % 6) * 80, (i < 6) and 60 or 112
end

return {
  name = "watch, gem, LED board and simple panels",
  frames = FRAMES,

  setup = function(obj)
    obj:AddBitmapToSelection("dmd_font_small.bmp", SMALL, 12, 16)
    obj:AddBitmapToSelection("dmd_font.bmp", BIG, 18, 24)

    -- Beside the main panel: the watch (framed) and the gem (never framed).
    obj:InstallWatchPanel(716, 56, 140, 140, 1, 70, 70, 36, 54, 60, 0x202020, 0xC02020, 4, 1,
                          "watch_dial.bmp")
    obj:InstallGemPanel(884, 52, 96, 96)

    -- Below it: the LED board with its captions under the lamps.
    obj:InstallBHGPanel(48, 320, 480, 150, "led_board.bmp")
    for lamp = 1, 12 do
      local x, y = socket(lamp)
      obj:SetBHGLEDAttr(lamp, x - 11, y - 11, 22, x - 17, y + 16, 9)
    end

    -- Two simple panels: a framed one with the bonus and separators, a frameless one with text.
    obj:InstallSimplePanel(0, 1, 560, 324, 220, 40)
    obj:SetSimplePanelDMDAttr(0, 10, 6, 1, 1, SMALL, 0, 1)
    obj:SetSimplePanelUserLock(0, 1)
    obj:InstallSimplePanel(1, 0, 560, 392, 400, 48)
    obj:SetSimplePanelDMDAttr(1, 12, 6, 1, 1.5, BIG, 0, 0)
  end,

  tick = function(obj, frame)
    if frame == FRAMES - 1 then
      obj:DiscardWatchPanel()
      obj:DiscardGemPanel()
      obj:DiscardBHGPanel()
      obj:DiscardSimplePanel(0)
      obj:DiscardSimplePanel(1)
      return
    end

    -- A minute per tick from 10:08, the second hand sweeping a sixth of the dial.
    local minutes = 8 + frame
    obj:SetWatchTime(10 + minutes // 60, minutes % 60, (frame * 10) % 60)

    if frame % 12 == 0 then obj:SetGemPhase((frame // 12) % 4) end

    -- A lamp chasing round the board, with every third lamp lit for good after the first round.
    for lamp = 1, 12 do
      local lit = (frame // 4) % 12 + 1 == lamp or (frame >= 48 and lamp % 3 == 0)
      obj:SwitchBHGLED(lamp, lit and 1 or 0)
    end

    -- The bonus: cleared first, separators hanging 8 pixels below the line.
    obj:SimplePanelClearArea(0, 0, 0, 220, 40, 0x000000)
    obj:ShowSimplePanelDMDNumeric(0, frame * frame * 37)

    if frame % 48 == 0 then
      obj:SimplePanelClearArea(1, 0, 0, 400, 48, 0x000000)
      obj:ShowSimplePanelDMDText(1, messages[(frame // 48) % #messages + 1])
    end
  end,
}
