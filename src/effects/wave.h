// A band of a picture waving on a sine curve: each source row of the band is shifted sideways by
// its own phase, and every step moves the wave one row upward, so that it travels up the picture
// with a period of WaveLength rows (and steps). The rows above and below the band stay still.
// The effect draws on the effect canvas, which is wider than the zoomed picture by the swing.
#pragma once

#include <cstdint>

namespace tov {

class Engine;

class Wave {
  public:
    explicit Wave(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Stores the settings, places the effect canvas (-1 centres it on the main panel) and sizes
    // it to the picture widened by the swing, all zoomed; clears it and draws the still rows
    // above and below the band in the middle of it, and starts the wave at phase 0. The band
    // is the source rows from _WaveYStart up to, not including, _WaveYEnd; the parts of it
    // outside the picture are left out.
    int SetWaveAttr(int16_t _WaveBitmapIDIndex, int16_t _WaveXPos, int16_t _WaveYPos,
                    double _WaveXZoom, double _WaveYZoom, int16_t _WaveAmplitude,
                    int16_t _WaveLength, int16_t _WaveYStart, int16_t _WaveYEnd);
    // Redraws every row of the band at its place on the wave, clearing the canvas beside it,
    // then moves the phase on by one. A wave length of 0 has no curve: the band stands at the
    // centre of the swing.
    int ShowNextWaveStep();
    // Adds _WaveDeltaAmplitude to the swing and moves the wave so that its centre line stays
    // where the set-up put it; the canvas keeps its width.
    int ChangeWaveAmplitude(int16_t _WaveDeltaAmplitude);

    // --- State ---------------------------------------------------------------------------
    int16_t WaveBitmapIDIndex = 0;
    int16_t WaveXPos = 0;
    int16_t WaveYPos = 0;
    double WaveXZoom = 0.0;
    double WaveYZoom = 0.0;
    int16_t WaveAmplitude = 0;       // current swing in source pixels, peak to peak
    int16_t WaveAmplitudeAtSet = 0;  // the swing given to the set-up
    int16_t WaveLength = 0;          // period in rows and in steps
    int16_t WaveYStart = 0;          // first source row of the band
    int16_t WaveYEnd = 0;            // first source row below the band
    int16_t WaveCanvasWidth = 0;     // source width plus the set-up swing
    int16_t WavePresentStep = 0;     // phase, 0..WaveLength - 1
    int16_t WaveXPosOffset = 0;      // source pixels that keep the centre after swing changes

  private:
    Engine& engine_;
};

}  // namespace tov
