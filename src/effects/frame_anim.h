// Film-strip animation on the effect canvas: up to 500 described animations, each a bitmap
// selection slot cut into frames by the slot's frame grid (frames numbered row by row from the
// top-left corner, from 0) and a place and size for the effect canvas. The script picks every
// frame; the engine keeps no frame counter. The effect canvas is shared with the transitions,
// so whichever effect ran last owns its size, place and content.
#pragma once

#include <array>
#include <cstdint>

namespace tov {

class Engine;

class FrameAnim {
  public:
    static constexpr int kAnims = 500;  // animation numbers 0..499

    explicit FrameAnim(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Describes animation _FrameAnimIndex; draws nothing. A position of -1 centres the canvas
    // on the main panel as it is sized now (negative when the canvas is wider than the panel);
    // any other value is kept as given. An animation number or slot outside 0..499 is refused
    // with a report and -1, and nothing is stored.
    int GenerateFrameAnim(int16_t _FrameAnimIndex, int16_t _FrameAnimBitmapIDIndex,
                          int16_t _FrameAnimCanvasWidth, int16_t _FrameAnimCanvasHeight,
                          int16_t _FrameAnimCanvasXPos, int16_t _FrameAnimCanvasYPos);
    // Parks the effect canvas beyond the panel's right edge and gives it the animation's size.
    int PrepareFrameAnim(int16_t _FrameAnimIndex);
    // Moves the effect canvas to the animation's place and draws frame _FrameAnimFrameNumber
    // unscaled at its top-left corner, over what the canvas shows. A frame number beyond the
    // strip (or negative) names a rectangle outside the bitmap, of which nothing is drawn. A
    // slot without a frame grid (no bitmap, or frames wider than the bitmap) is refused with a
    // report and -1, without moving the canvas.
    int ShowFrameAnimFrame(int16_t _FrameAnimIndex, int16_t _FrameAnimFrameNumber);
    // Parks the effect canvas; its size, content and the descriptions stay.
    int HideFrameAnim();

    // --- State, indexed by animation number ----------------------------------------------
    std::array<int16_t, kAnims> FrameAnimBitmapIDIndex{};
    std::array<int16_t, kAnims> FrameAnimCanvasWidth{};
    std::array<int16_t, kAnims> FrameAnimCanvasHeight{};
    std::array<int16_t, kAnims> FrameAnimCanvasXPos{};
    std::array<int16_t, kAnims> FrameAnimCanvasYPos{};

  private:
    static bool IsAnim(int index) { return index >= 0 && index < kAnims; }
    int ReportBadIndex(const char* member);

    Engine& engine_;
};

}  // namespace tov
