-- Square fade with a pattern of the script's own: the title card, twice its size, appears in
-- rings from its centre outward, each cell's counter set by its distance from the middle.
local kSlotTitle = 302
local kDim = 16 -- 20 x 7 cells

return {
  name = "square fade: scripted pattern",
  frames = 90,
  setup = function(obj)
    obj:AddBitmapToSelection("trans_title_320x120.bmp", kSlotTitle, 320, 120)
    -- Style 0 leaves the counters to the script.
    obj:SetBitmapSquareFadeAttr(-1, -1, kSlotTitle, kDim, 1.5, 0, 1)
    for column = 0, 19 do
      for row = 0, 6 do
        local distance = math.max(math.abs(column - 9.5), math.abs(row - 3)) // 1
        obj:SetBitmapSquareValue(column, row, -3 * distance)
      end
    end
  end,
  tick = function(obj, frame)
    if obj.BitmapSquareFadeState == 0 then obj:ShowBitmapSquareFadeNextStep() end
  end,
}
