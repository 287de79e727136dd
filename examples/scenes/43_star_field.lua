-- Star animation: 36 stars fly out from the centre of the DMD canvas, each along its own
-- direction, some speeding up and some slowing down; a star that leaves the panel starts again
-- at the centre. The field is not hidden at the end: HideStarAnim would take the DMD canvas off
-- the panel for the scenes that follow.
return {
  name = "star field",
  frames = 360,
  tick = function(obj, frame)
    obj:ShowStarAnimNextStep()
  end,
}
