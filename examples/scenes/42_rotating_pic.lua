-- Rotating picture: a card turns once about its vertical axis in the middle of the panel, face
-- first, then once about its horizontal axis at 1.2 times its width on the left, two steps of
-- the 320 per tick.
local kSlotFront = 402
local kSlotBack = 403

return {
  name = "rotating picture",
  frames = 2 * 160,
  setup = function(obj)
    obj:AddBitmapToSelection("sprite_card_front_120x160.bmp", kSlotFront, 120, 160)
    obj:AddBitmapToSelection("sprite_card_back_120x160.bmp", kSlotBack, 120, 160)
    obj:SetRotatingPicAttr(kSlotFront, kSlotBack, -1, -1, 1.0, 1.2, 1)
  end,
  tick = function(obj, frame)
    if frame == 160 then obj:SetRotatingPicAttr(kSlotBack, kSlotFront, 160, -1, 1.2, 1.2, 0) end
    obj:ShowRotatingPicStep(2 * (frame % 160))
    if frame == 2 * 160 - 1 then obj:HideXYZAnim() end -- the rotating picture has no hide
  end,
}
