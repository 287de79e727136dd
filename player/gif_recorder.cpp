#include "gif_recorder.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace tov::player {
namespace {

GifFileType* File(void* file) {
    return static_cast<GifFileType*>(file);
}

int Channel(uint32_t color, int channel) {
    return static_cast<int>((color >> (16 - 8 * channel)) & 0xFF);
}

std::string GifError(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "unknown GIF error";
}

// A box of the median cut: a run of entries of the colour list.
struct Box {
    size_t begin;
    size_t end;
    int longest_channel;
    int range;  // the extent of the longest channel
    double weight;
};

Box MakeBox(const std::vector<std::pair<uint32_t, uint32_t>>& entries, size_t begin, size_t end) {
    std::array<int, 3> low = {255, 255, 255}, high = {0, 0, 0};
    double weight = 0;
    for (size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], Channel(entries[i].first, c));
            high[c] = std::max(high[c], Channel(entries[i].first, c));
        }
        weight += entries[i].second;
    }
    Box box{begin, end, 0, -1, weight};
    for (int c = 0; c < 3; ++c) {
        if (high[c] - low[c] > box.range) {
            box.range = high[c] - low[c];
            box.longest_channel = c;
        }
    }
    return box;
}

}  // namespace

std::vector<uint32_t> MedianCutPalette(const std::vector<uint32_t>& colors,
                                       const std::vector<uint32_t>& weights, size_t count) {
    std::vector<std::pair<uint32_t, uint32_t>> entries;
    entries.reserve(colors.size());
    for (size_t i = 0; i < colors.size(); ++i)
        entries.emplace_back(colors[i] & 0xFFFFFF, i < weights.size() ? weights[i] : 1);
    if (entries.size() <= count || count == 0) {
        std::vector<uint32_t> exact;
        for (const auto& e : entries)
            exact.push_back(e.first);
        if (exact.size() > count) exact.resize(count);
        return exact;
    }

    std::vector<Box> boxes = {MakeBox(entries, 0, entries.size())};
    while (boxes.size() < count) {
        // Split the box with the widest spread, weighted by how many pixels it holds.
        size_t pick = boxes.size();
        double best = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            const Box& box = boxes[b];
            if (box.end - box.begin < 2 || box.range <= 0) continue;
            const double score = box.range * std::sqrt(box.weight);
            if (score > best) {
                best = score;
                pick = b;
            }
        }
        if (pick == boxes.size()) break;
        const Box box = boxes[pick];
        const int c = box.longest_channel;
        std::sort(entries.begin() + static_cast<long>(box.begin),
                  entries.begin() + static_cast<long>(box.end), [c](const auto& a, const auto& b) {
                      return Channel(a.first, c) < Channel(b.first, c);
                  });
        // The weighted median, keeping at least one entry on each side.
        double half = box.weight / 2, sum = 0;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            sum += entries[i].second;
            cut = i + 1;
            if (sum >= half) break;
        }
        boxes[pick] = MakeBox(entries, box.begin, cut);
        boxes.push_back(MakeBox(entries, cut, box.end));
    }

    std::vector<uint32_t> palette;
    for (const Box& box : boxes) {
        double sum[3] = {0, 0, 0}, weight = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += static_cast<double>(Channel(entries[i].first, c)) * entries[i].second;
            weight += entries[i].second;
        }
        uint32_t color = 0;
        for (int c = 0; c < 3; ++c) {
            const long v = weight > 0 ? std::lround(sum[c] / weight) : 0;
            color |= static_cast<uint32_t>(std::clamp(v, 0L, 255L)) << (16 - 8 * c);
        }
        palette.push_back(color);
    }
    return palette;
}

GifRecorder::~GifRecorder() {
    std::string ignored;
    Close(&ignored);
}

bool GifRecorder::Open(const std::string& path, int width, int height, int fps,
                       std::string* error) {
    if (IsOpen()) {
        *error = "a recording is already open";
        return false;
    }
    if (width < 1 || height < 1 || width > 65535 || height > 65535) {
        *error = "cannot record a screen of " + std::to_string(width) + " x " +
                 std::to_string(height) + " pixels";
        return false;
    }
    // Opened here rather than by giflib, so the file gets the usual permissions.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        *error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    int code = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &code);
    if (gif == nullptr) {
        close(fd);
        *error = "cannot create " + path + ": " + GifError(code);
        return false;
    }
    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_ERROR) {
        *error = "cannot write " + path + ": " + GifError(gif->Error);
        EGifCloseFile(gif, &code);
        return false;
    }
    // Loop for ever.
    static const GifByteType kLoopName[] = "NETSCAPE2.0";
    static const GifByteType kLoopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, 11, kLoopName) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, 3, kLoopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif) == GIF_ERROR) {
        *error = "cannot write " + path + ": " + GifError(gif->Error);
        EGifCloseFile(gif, &code);
        return false;
    }
    file_ = gif;
    width_ = width;
    height_ = height;
    fps_ = std::max(fps, 1);
    frames_ = 0;
    held_.clear();
    pending_.clear();
    previous_.clear();
    return true;
}

long GifRecorder::DueTime(long n) const {
    return std::lround(static_cast<double>(n) * 100.0 / fps_);
}

bool GifRecorder::AddFrame(const std::vector<uint32_t>& pixels, std::string* error) {
    if (!IsOpen()) {
        *error = "no recording is open";
        return false;
    }
    if (pixels.size() != static_cast<size_t>(width_) * height_) {
        *error = "a frame of the wrong size";
        return false;
    }
    const long due = DueTime(frames_++);
    if (pending_.empty()) {
        pending_due_ = due;
    } else if (due - pending_due_ >= 2) {
        if (!held_.empty() &&
            !WriteFrame(held_, static_cast<int>(pending_due_ - held_due_), error)) {
            return false;
        }
        held_.swap(pending_);
        held_due_ = pending_due_;
        pending_due_ = due;
    }
    // A frame due less than 2/100 s after the pending one takes its place and its start.
    pending_ = pixels;
    return true;
}

bool GifRecorder::WriteFrame(const std::vector<uint32_t>& pixels, int delay, std::string* error) {
    GifFileType* gif = File(file_);
    const bool first = previous_.empty();
    if (first) previous_.assign(pixels.size(), 0);

    // The rectangle of the pixels that changed (the whole screen for the first frame).
    int left = width_, top = height_, right = -1, bottom = -1;
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = pixels.data() + static_cast<size_t>(y) * width_;
        const uint32_t* old = previous_.data() + static_cast<size_t>(y) * width_;
        if (!first && std::memcmp(row, old, sizeof(uint32_t) * width_) == 0) continue;
        int x0 = 0, x1 = width_ - 1;
        if (!first) {
            while ((row[x0] & 0xFFFFFF) == (old[x0] & 0xFFFFFF) && x0 < x1)
                ++x0;
            while ((row[x1] & 0xFFFFFF) == (old[x1] & 0xFFFFFF) && x1 > x0)
                --x1;
            if (x0 == x1 && (row[x0] & 0xFFFFFF) == (old[x0] & 0xFFFFFF)) continue;
        }
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = y;
    }
    const bool unchanged = right < 0;
    if (unchanged) left = top = right = bottom = 0;
    const int w = right - left + 1, h = bottom - top + 1;

    // The colours of the changed pixels, with how often each occurs.
    std::unordered_map<uint32_t, uint32_t> histogram;
    bool any_transparent = unchanged;
    for (int y = top; y <= bottom && !unchanged; ++y) {
        for (int x = left; x <= right; ++x) {
            const size_t i = static_cast<size_t>(y) * width_ + x;
            const uint32_t c = pixels[i] & 0xFFFFFF;
            if (!first && c == (previous_[i] & 0xFFFFFF)) {
                any_transparent = true;
            } else {
                ++histogram[c];
            }
        }
    }
    const size_t capacity = any_transparent ? 255 : 256;
    std::vector<uint32_t> colors, weights;
    colors.reserve(histogram.size());
    for (const auto& [color, count] : histogram) {
        colors.push_back(color);
        weights.push_back(count);
    }
    std::sort(colors.begin(), colors.end());
    for (size_t i = 0; i < colors.size(); ++i)
        weights[i] = histogram[colors[i]];
    const std::vector<uint32_t> palette = MedianCutPalette(colors, weights, capacity);
    const bool exact = palette.size() == colors.size();

    // Each colour's index: its own entry, or the nearest one of a reduced palette.
    std::unordered_map<uint32_t, int> index_of;
    for (size_t i = 0; i < palette.size() && exact; ++i)
        index_of[palette[i]] = static_cast<int>(i);
    auto index = [&](uint32_t c) {
        const auto found = index_of.find(c);
        if (found != index_of.end()) return found->second;
        int best = 0;
        long best_distance = -1;
        for (size_t p = 0; p < palette.size(); ++p) {
            long d = 0;
            for (int ch = 0; ch < 3; ++ch) {
                const long diff = Channel(c, ch) - Channel(palette[p], ch);
                d += diff * diff;
            }
            if (best_distance < 0 || d < best_distance) {
                best_distance = d;
                best = static_cast<int>(p);
            }
        }
        index_of[c] = best;
        return best;
    };
    const int transparent = any_transparent ? static_cast<int>(palette.size()) : -1;

    int table_size = 2;
    while (table_size < static_cast<int>(palette.size()) + (any_transparent ? 1 : 0))
        table_size *= 2;
    ColorMapObject* map = GifMakeMapObject(table_size, nullptr);
    if (map == nullptr) {
        *error = "out of memory for a colour table";
        return false;
    }
    for (int i = 0; i < table_size; ++i) {
        const uint32_t c = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        map->Colors[i].Red = static_cast<GifByteType>(Channel(c, 0));
        map->Colors[i].Green = static_cast<GifByteType>(Channel(c, 1));
        map->Colors[i].Blue = static_cast<GifByteType>(Channel(c, 2));
    }

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(delay, 2, 65535);
    control.TransparentColor = transparent >= 0 ? transparent : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);

    bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR &&
              EGifPutImageDesc(gif, left, top, w, h, false, map) != GIF_ERROR;
    std::vector<GifPixelType> line(static_cast<size_t>(w));
    for (int y = top; y <= bottom && ok; ++y) {
        for (int x = left; x <= right; ++x) {
            const size_t i = static_cast<size_t>(y) * width_ + x;
            const uint32_t c = pixels[i] & 0xFFFFFF;
            if (unchanged || (!first && c == (previous_[i] & 0xFFFFFF))) {
                line[x - left] = static_cast<GifPixelType>(transparent);
            } else {
                line[x - left] = static_cast<GifPixelType>(index(c));
            }
        }
        ok = EGifPutLine(gif, line.data(), w) != GIF_ERROR;
    }
    GifFreeMapObject(map);
    // Changes are found against the frames as given: a pixel that keeps its colour keeps
    // what the GIF showed for it, even where a reduced palette had to approximate it.
    previous_ = pixels;
    if (!ok) {
        *error = "cannot write a frame: " + GifError(gif->Error);
        return false;
    }
    return true;
}

bool GifRecorder::Close(std::string* error) {
    if (!IsOpen()) return true;
    bool ok = true;
    if (frames_ == 0) {
        ok = WriteFrame(std::vector<uint32_t>(static_cast<size_t>(width_) * height_, 0), 2, error);
    } else {
        // The last frame lasts until the end of the recorded time; when that is too short for
        // it, it takes the place of the frame before.
        const long end = DueTime(frames_);
        if (end - pending_due_ >= 2 || held_.empty()) {
            if (!held_.empty())
                ok = WriteFrame(held_, static_cast<int>(pending_due_ - held_due_), error);
            ok = ok && WriteFrame(pending_, static_cast<int>(end - pending_due_), error);
        } else {
            ok = WriteFrame(pending_, static_cast<int>(end - held_due_), error);
        }
    }
    int code = 0;
    if (EGifCloseFile(File(file_), &code) == GIF_ERROR) {
        if (ok) *error = "cannot complete the GIF: " + GifError(code);
        ok = false;
    }
    file_ = nullptr;
    held_.clear();
    pending_.clear();
    previous_.clear();
    return ok;
}

}  // namespace tov::player
