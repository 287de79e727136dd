// A picture appearing or vanishing square by square on the DMD canvas. The picture is cut into
// a grid of square cells of SquareDim source pixels (only whole cells take part, at most 50 by
// 50); every cell has a counter that the steps advance. A counter v means: v <= 0, the cell
// waits -v more steps; 1 <= v <= SquareDim / 2, the cell is in its v-th drawing step; above
// that, the cell has finished. Fading in, a cell shows a centred square of the picture growing
// by 2 source pixels per step; fading out, black frames close in from its border to its centre
// over whatever the DMD canvas shows.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace tov {

class Engine;

class SquareFade {
  public:
    explicit SquareFade(Engine& engine) : engine_(engine) {}

    static constexpr int kMaxSquares = 50;  // cell columns and rows at most

    // --- Members -------------------------------------------------------------------------
    // Stores the position (-1 centres the zoomed picture on the main panel), slot, cell size,
    // zoom, start pattern (_SquareFadeStyle 1..5) and direction (_SquareFadeInOut 1 in, 0
    // out), counts the cells and fills their counters by the pattern; draws nothing. A cell
    // size of 0 or less, one that makes more than 50 columns or rows, and a zoom of 0 or less
    // are refused after the settings are stored, keeping the counters and the completion state;
    // steps after a refused set-up draw nothing.
    int SetBitmapSquareFadeAttr(int16_t _SquareXPos, int16_t _SquareYPos,
                                int16_t _SquareBitmapIDIndex, int16_t _SquareDim,
                                double _SquareZoom, uint8_t _SquareFadeStyle,
                                uint8_t _SquareFadeInOut);
    // Sets the counter of one cell (column and row 0..49), whatever the current grid.
    int SetBitmapSquareValue(uint8_t _SquareXNum, uint8_t _SquareYNum, int16_t _SquareValue);
    // Draws every cell in a drawing step and advances every counter; the state becomes 1 with
    // the step after which no cell is left to draw.
    int ShowBitmapSquareFadeNextStep();
    // 1 once every cell has finished, else 0.
    int get_BitmapSquareFadeState(uint8_t* BitmapSquareFadeState);

    // --- State ---------------------------------------------------------------------------
    int16_t SquareXPos = 0;  // panel position of the picture's top-left corner
    int16_t SquareYPos = 0;
    int16_t SquareBitmapIDIndex = 0;
    int16_t SquareDim = 0;  // cell size in source pixels
    double SquareZoom = 0.0;
    uint8_t SquareFadeStyle = 0;  // start pattern, 1..5
    uint8_t SquareFadeInOut = 0;  // 1 = fade in, 0 = fade out
    int16_t SquareXSquares = 0;   // cell columns
    int16_t SquareYSquares = 0;   // cell rows
    // Counters, indexed [column][row].
    std::array<std::array<int16_t, kMaxSquares>, kMaxSquares> Square{};
    uint8_t BitmapSquareFadeCompletedYN = 0;

  private:
    // True when the stored settings make a grid the steps can draw.
    bool HasGrid() const;

    Engine& engine_;
    // What a step draws, gathered so that the run-time draws it in one call.
    std::vector<platform::BitmapPiece> pieces_;
    std::vector<platform::Rect> frames_;
};

}  // namespace tov
