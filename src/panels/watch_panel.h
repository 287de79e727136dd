// The watch panel: a window of its own showing an analogue watch, a dial picture from a file
// with hour, minute and second hands drawn as straight lines from a common centre. The panel
// takes no mouse or keyboard input from its install on.
//
// Times are not checked: any hour, minute and second give an angle (30 degrees per hour plus
// half a degree per minute, 6 degrees per minute or second, clockwise from 12 o'clock).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/types.h"

namespace tov {

class Engine;

class WatchPanel {
  public:
    explicit WatchPanel(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Loads the watch panel (a panel of an earlier install is discarded first), places and sizes
    // it and reads the dial picture _WatchBitmapFileName relative to loadedVPTDir. A picture
    // that cannot be read is a "fatal error" naming its full path: -1, the panel loaded but not
    // shown. Otherwise the frame shows for _WatchPanelFrameVisibility 1 only, the watch canvas
    // fills the panel with the dial, the panel shows, the hand settings are stored and the
    // window is locked. Hand lengths of 0 or less leave that hand out.
    int InstallWatchPanel(int16_t _WatchPanelXPos, int16_t _WatchPanelYPos,
                          int16_t _WatchPanelWidth, int16_t _WatchPanelHeight,
                          uint8_t _WatchPanelFrameVisibility, int16_t _WatchHandXCenter,
                          int16_t _WatchHandYCenter, int16_t _WatchHrsHandLength,
                          int16_t _WatchMinHandLength, int16_t _WatchSecHandLength,
                          int32_t _WatchHrsMinHandColor, int32_t _WatchSecHandColor,
                          int16_t _WatchHrsMinHandWidth, int16_t _WatchSecHandWidth,
                          std::string_view _WatchBitmapFileName);
    // Repaints the dial over the whole canvas, which erases the previous hands, then draws the
    // hour, minute and second hand in that order (the second hand on top).
    int SetWatchTime(int16_t _hour, int16_t _minutes, int16_t _seconds);
    // Discards the panel and its dial picture; the hand settings stay.
    int DiscardWatchPanel();

    // --- State ---------------------------------------------------------------------------
    int WatchPanelHandle = 0;  // 0 until InstallWatchPanel
    int WatchBitmapID = 0;     // the dial; 0 when there is none
    platform::Point WatchCenterPoint;
    int16_t WatchHrsHandLength = 0;
    int16_t WatchMinHandLength = 0;
    int16_t WatchSecHandLength = 0;
    int32_t WatchHrsMinHandColor = 0;
    int32_t WatchSecHandColor = 0;
    int16_t WatchHrsMinHandWidth = 0;
    int16_t WatchSecHandWidth = 0;

  private:
    // A hand of `length` pixels at `degrees` clockwise from 12 o'clock, in the current pen.
    void DrawHand(int length, double degrees);
    void DrawDial();
    void SetPen(int32_t color, int width);

    Engine& engine_;
};

}  // namespace tov
