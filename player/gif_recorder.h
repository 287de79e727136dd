// Recording of the screen as an animated GIF.
//
// Each frame gets a colour table of its own. A frame with at most 255 colours among the pixels
// that changed (256 for the first frame) is stored exactly; only a frame with more is reduced,
// by median cut, to 255 colours. Pixels that did not change since the previous frame are left
// transparent and the frame is cut to the rectangle that changed, so a still screen costs a
// few bytes a frame. Frame delays are whole hundredths of a second, none shorter than 2/100 s,
// the shortest that players show as given. The GIF plays in the time recorded: frame n (from 0)
// is due at round(100 n / fps) hundredths, and a frame due less than 2/100 s after the one
// kept before it takes that one's place, so above 50 frames a second some frames are left out
// rather than the recording slowed down. The last frame recorded is always kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tov::player {

class GifRecorder {
  public:
    GifRecorder() = default;
    ~GifRecorder();
    GifRecorder(const GifRecorder&) = delete;
    GifRecorder& operator=(const GifRecorder&) = delete;

    // Creates the file for frames of width x height pixels shown `fps` times a second.
    // Returns false with a message in *error when the file cannot be created or the size is
    // outside 1..65535.
    bool Open(const std::string& path, int width, int height, int fps, std::string* error);
    // Adds one frame: width * height pixels 0x00RRGGBB, row after row.
    bool AddFrame(const std::vector<uint32_t>& pixels, std::string* error);
    // Ends the file. A recording without frames gets one black frame, so the file is a valid
    // GIF. Returns false when the file could not be completed.
    bool Close(std::string* error);

    // The frames added so far (the GIF may keep fewer of them).
    int FrameCount() const { return frames_; }
    bool IsOpen() const { return file_ != nullptr; }

  private:
    struct Palette;
    // Writes a frame shown for `delay` hundredths of a second.
    bool WriteFrame(const std::vector<uint32_t>& pixels, int delay, std::string* error);
    // When frame n is due, in hundredths of a second from the start.
    long DueTime(long n) const;

    void* file_ = nullptr;  // GifFileType*
    int width_ = 0;
    int height_ = 0;
    int fps_ = 60;
    int frames_ = 0;
    // The two frames kept last, not yet written, and when each is due. A kept frame is written
    // once the one after the next is known, so that at the end the last can take the place of
    // the one before when too little time is left for it.
    std::vector<uint32_t> held_;
    long held_due_ = 0;
    std::vector<uint32_t> pending_;
    long pending_due_ = 0;
    std::vector<uint32_t> previous_;  // the frame written last
};

// Reduces the colours to at most `count` by median cut; returns the palette. Each colour's
// weight is how often it occurs. With no more than `count` distinct colours, the palette holds
// exactly them.
std::vector<uint32_t> MedianCutPalette(const std::vector<uint32_t>& colors,
                                       const std::vector<uint32_t>& weights, size_t count);

}  // namespace tov::player
