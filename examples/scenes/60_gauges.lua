-- Gauges and indicators: the extra panel below the main panel with every gauge at work. The
-- tank fills and drains, the thermometer rises, the multimeter swings and lights its warning
-- LED at or below 20, the clock's needle goes round on its blue disc, the slide and the level
-- thermometer climb, the mission value counts up in groups, the square LEDs chase, the chart
-- plots a wave, and three dynamic pictures step through their pointer images (one of them on
-- the main panel). At the end the panel is discarded and the main panel's picture hidden.

local FRAMES = 360
local PANEL_X, PANEL_Y, PANEL_W, PANEL_H = 20, 292, 984, 304
local LEVELS = { "EMPTY", "LOW", "HALF", "HIGH", "FULL" }
local GREY, WHITE, DARK = 0xC8C8C8, 0xFFFFFF, 0x202428

-- A wave between 0 and 1 that starts at 0.
local function wave(frame, period)
  return (1 - math.cos(2 * math.pi * frame / period)) / 2
end

local function pointer(n) return "gauge_pointer_" .. n .. "_64x64.bmp" end

return {
  name = "gauges and indicators",
  frames = FRAMES,

  setup = function(obj)
    obj:InstallExtraPanel(PANEL_X, PANEL_Y, PANEL_W, PANEL_H)
    obj:ClearExtra(0, 0, -1, -1, 0x181C24)

    -- Five square LEDs across the top.
    for n = 0, 4 do
      obj:SetSquareLEDAttr(n, 16 + n * 92, 10, 84, 24, "Arial", 11, "LED " .. (n + 1), 0x30F040,
                           0x183818, WHITE)
      obj:SetSquareLEDState(n, -1)
    end

    -- Tank, thermometer and level thermometer, their labels beside them on the right.
    obj:SetTankAttr(16, 56, 76, 200, 0, 100, "Arial", 10, 0xE8ECF0, 0x2878E8, GREY)
    obj:SetTankVisibility(1)
    obj:SetThermometerAttr(150, 56, 56, 200, -20, 40, "Arial", 10, "TEMP", 0xF4F4F4, 0xE02828,
                           GREY)
    obj:SetThermometerVisibility(1)
    for level, text in ipairs(LEVELS) do obj:SetLevelThermometerLevelText(level - 1, text) end
    obj:SetLevelThermometerAttr(270, 56, 90, 200, "Arial", 10, "LEVEL", 0xF4F4F4, 0x20B848, GREY)
    obj:SetLevelThermometerLevel(0)
    obj:SetLevelThermometerVisibility(1)

    -- The multimeter with its warning LED, and the chart under it.
    obj:SetMultimeterAttr(420, 50, 230, 0, 100, 20, "Arial", 11, 0x2C3036, 0xF0E8D0, WHITE,
                          0xF03020, 0xFF3030, 0x401010)
    obj:SetMultimeterValue(0)
    obj:SetMultimeterVisibility(1)
    obj:SetChartAttr(420, 214, 230, 76, 11, 1)

    -- The clock on its disc, a full turn from the top.
    obj:SetClockAttr(710, 96, 128, 0, 60, 90, -270, "Arial", 10, 0xF04030, 0x40A0FF, WHITE,
                     0x0C2448)
    obj:SetClockVisibility(1)

    -- The slide at the right edge, the mission value above the clock.
    obj:SetVPSlideAttr(900, 56, 70, 200, 26, 12, 0, 10, "Arial", 10, "POWER", 0x303840, 0xF0A020,
                       0xD8D8D8, GREY)
    obj:SetVPSlideVisibility(1)
    obj:SetMissionValueAttr(690, 24, 170, "MISSION", "Arial", 16, 0xFFD040, 0x101010)
    obj:SetMissionValueVisibility(1)

    -- Dynamic pictures: two on the extra panel, one on the main panel's upper right corner.
    for frame = 0, 3 do
      obj:LoadDynPic(1, 0, frame, pointer(frame))
      obj:LoadDynPic(1, 1, frame, pointer(3 - frame))
      obj:LoadDynPic(0, 0, frame, pointer(frame))
    end
    obj:SetDynPicAttr(1, 0, 680, 222, 64, 64)
    obj:SetDynPicAttr(1, 1, 760, 222, 64, 64)
    obj:SetDynPicAttr(0, 0, 568, 8, 64, 64)
    obj:SetDynPicVisibility(1, 0, 0, 1)
    obj:SetDynPicVisibility(1, 1, 0, 2)
    obj:SetDynPicVisibility(0, 0, 0, 1)
  end,

  tick = function(obj, frame)
    obj:SetTankValue(math.floor(100 * wave(frame, 240)))
    obj:SetThermometerValue(math.floor(-20 + 60 * wave(frame, 300)))
    obj:SetMultimeterValue(math.floor(100 * wave(frame, 160)))
    obj:SetClockValue(frame % 60)
    obj:SetVPSlideValue(math.floor(10 * wave(frame, 200)))
    obj:SetLevelThermometerLevel(math.floor(frame / 24) % #LEVELS)
    obj:SetMissionValue(frame * frame * 977 + frame * 31)

    -- The square LEDs chase each other, one lit at a time.
    if frame % 8 == 0 then
      local lit = (frame // 8) % 5
      for n = 0, 4 do obj:SetSquareLEDState(n, n == lit and 1 or -1) end
    end

    if frame % 2 == 0 then
      local value = 50 + 40 * math.sin(frame / 9) * math.cos(frame / 31)
      obj:AddChartValue(value, frame % 48 == 0 and string.format("CHART %d", math.floor(value))
                        or "")
    end

    if frame % 12 == 0 then
      local image = (frame // 12) % 4
      obj:SetDynPicVisibility(1, 0, image, 1)
      obj:SetDynPicVisibility(1, 1, image, image == 3 and 2 or 1)
      obj:SetDynPicVisibility(0, 0, image, 1)
    end

    if frame == FRAMES - 1 then
      obj:SetDynPicVisibility(0, 0, 0, 0)
      obj:DiscardExtraPanel()
    end
  end,
}
