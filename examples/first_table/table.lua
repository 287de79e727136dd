-- My first table: a score that counts up, a ticker, a picture that appears like a venetian
-- blind, and the high-score table, saved for the next game. docs/first-table.md explains it
-- step by step. Run it with:
--
--   tov-play table.lua
--
-- It needs dmd_font.bmp, dmd_font_small.bmp and pic_logo_256x96.bmp beside it (copies of the
-- files in examples/data) and ends by itself after seven seconds.

local obj = CreateObject("tovserver.myQuendal")

-- The main panel: 480 x 192 pixels in the top-left corner of the screen.
local WIDTH, HEIGHT = 480, 192
obj:InstallPanel(0, 0, WIDTH, HEIGHT)

-- Pictures go into numbered slots of the bitmap selection. A font strip is cut into cells by
-- the frame size given here: dmd_font.bmp has cells of 18 x 24 pixels, the small one 12 x 16.
local FONT, SMALL, LOGO = 0, 1, 2
obj:AddBitmapToSelection("dmd_font.bmp", FONT, 18, 24)
obj:AddBitmapToSelection("dmd_font_small.bmp", SMALL, 12, 16)
obj:AddBitmapToSelection("pic_logo_256x96.bmp", LOGO, 256, 96)

-- The high-score table keeps the best five in entries 1 to 5, the best in entry 5: sorting
-- puts the scores in rising order. A first game finds no file and starts from these.
obj:LoadHscoreFromDisc("highscores.dat")
local _, best = obj:ReadHighscoreFromCVI(5)
if best == 0 then
  local start = { { "EVE", 500000 }, { "DAN", 750000 }, { "CAT", 1000000 },
                  { "BOB", 1500000 }, { "ACE", 2000000 } }
  for i, entry in ipairs(start) do
    obj:WriteHighscoreToCVI(i, entry[2], entry[1], "", "")
  end
end

-- The ticker: text, font, bold, italic, colour 0xRRGGBB, height in pixels, pixels per step.
obj:GenerateTextLeftLoopScrollProc(0, "+++ GAME OVER +++ PRESS START +++", "DejaVu Sans", 1, 0,
                                   0xFFD040, 24, 4)

local FINAL_SCORE = 1234567

-- The score, cleared first: the DMD only ever draws over what is there.
local function show_score(score)
  obj:ClearArea(60, 8, 360, 72, 0x000000)
  obj:SetDMDAttr(60, 8, 2, 2, FONT, 0, 1)  -- x, y, zoom x, zoom y, font, zeros, separators
  obj:ShowDMDNumeric(score)
end

local function show_highscores()
  obj:ClearArea(0, 0, -1, -1, 0x000000)
  obj:SetDMDAttr(132, 8, 1, 1, FONT, 0, 0)
  obj:ShowDMDText("HIGH SCORES")
  for rank = 1, 5 do
    local _, score, name = obj:ReadHighscoreFromCVI(6 - rank)
    local y = 20 + rank * 28
    obj:SetDMDAttr(90, y, 1, 1, SMALL, 0, 0)
    obj:ShowDMDText(rank .. " " .. name)
    obj:SetDMDAttr(270, y, 1, 1, SMALL, 0, 1)
    obj:ShowDMDNumeric(score)
  end
end

function tick(frame)
  if frame < 120 then
    -- Two seconds of counting up, then the final score stays.
    show_score(math.floor(FINAL_SCORE * (frame + 1) / 120))
    if frame == 0 then
      obj:SetDMDAttr(192, 160, 1, 1, SMALL, 0, 0)
      obj:ShowDMDText("PLAYER 1")
    end
  elseif frame == 120 then
    obj:PrepareTextLeftLoopScrollProc(0)
    obj:ChangeZPlanePosScrolltext(1)  -- in front of the DMD
  elseif frame < 300 then
    obj:ShowTextLeftLoopScrollNextStep(0)
  elseif frame == 300 then
    obj:HideText()
    -- The logo, centred (-1, -1), unscaled, strips every 8 pixels, fading in, left to right.
    obj:SetLamellaAttr(LOGO, -1, -1, 1, 1, 8, 1, 0)
  elseif frame < 332 then
    obj:ShowLamellaStep((frame - 300) // 4 + 1)
  elseif frame == 360 then
    obj:HideFrameAnim()  -- takes the effect canvas, and with it the logo, off the panel
    -- The new score goes into entry 0; sorting entries 0 to 5 keeps the best five in 1 to 5.
    obj:WriteHighscoreToCVI(0, FINAL_SCORE, "YOU", "", "")
    obj:SortHighscores(0, 5)
    obj:SaveHscoreToDisc("highscores.dat")
    show_highscores()
  elseif frame == 420 then
    quit()
  end
end
