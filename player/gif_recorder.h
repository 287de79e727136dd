// Recording of the screen as an animated GIF.
//
// Each frame gets a colour table of its own. A frame with at most 255 colours among the pixels
// that changed (256 for the first frame) is stored exactly; only a frame with more is reduced,
// by median cut, to 255 colours. Pixels that did not change since the previous frame are left
// transparent and the frame is cut to the rectangle that changed, so a still screen costs a
// few bytes a frame. Frame delays are whole hundredths of a second: they follow the frame rate
// on average, and none is shorter than 2/100 s, the shortest that players show as given.
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

    int FrameCount() const { return frames_; }
    bool IsOpen() const { return file_ != nullptr; }

  private:
    struct Palette;
    bool WriteFrame(const std::vector<uint32_t>& pixels, std::string* error);
    // The delay of the next frame in hundredths of a second.
    int NextDelay();

    void* file_ = nullptr;  // GifFileType*
    int width_ = 0;
    int height_ = 0;
    int fps_ = 60;
    int frames_ = 0;
    long shown_centiseconds_ = 0;  // the sum of the delays written so far
    std::vector<uint32_t> previous_;
};

// Reduces the colours to at most `count` by median cut; returns the palette. Each colour's
// weight is how often it occurs. With no more than `count` distinct colours, the palette holds
// exactly them.
std::vector<uint32_t> MedianCutPalette(const std::vector<uint32_t>& colors,
                                       const std::vector<uint32_t>& weights, size_t count);

}  // namespace tov::player
