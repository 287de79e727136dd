// The bitmap selection: the engine's one store of images, 500 numbered slots (0..499) that every
// effect draws from, plus entry 500, the fade working bitmap, which no script can name. Each
// slot holds at most one run-time bitmap with its geometry and frame grid; the bitmaps belong to
// the selection and are discarded when their slot is refilled or InstallPanel empties the
// selection.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

class BitmapSelection {
  public:
    static constexpr int kSlots = 500;           // script slots 0..499
    static constexpr int kEntries = kSlots + 1;  // plus the fade working bitmap
    static constexpr int kFadeWorkingBitmap = kSlots;

    explicit BitmapSelection(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    int AddBitmapToSelection(std::string_view _BitmapFileName, int16_t _BitmapSelectionIndex,
                             int16_t _BitmapFrameWidth, int16_t _BitmapFrameHeight);

    // --- For the other subsystems --------------------------------------------------------
    // Discards the bitmaps of entries 0..500 and sets every handle to 0: each slot reads as
    // empty, and no bitmap is left that nothing can reach.
    void Empty();
    // True for 0..499 (the script's slots).
    static bool IsSlot(int index) { return index >= 0 && index < kSlots; }
    // True for 0..500.
    static bool IsEntry(int index) { return index >= 0 && index < kEntries; }
    // The handle of entry i, or 0 for an index outside 0..500.
    int Handle(int index) const { return IsEntry(index) ? BitmapIDSelection[index] : 0; }
    // Puts a new bitmap into entry i (discarding the one it held) and reads its geometry; the
    // frame grid stays. Used by the captures and the fades.
    void Replace(int index, int bitmap);
    // Reads the geometry of entry i's bitmap into its per-slot entries.
    void ReadGeometry(int index);

    // --- State, indexed by entry ---------------------------------------------------------
    std::array<int, kEntries> BitmapIDSelection{};
    std::array<int, kEntries> BitmapWidth{};
    std::array<int, kEntries> BitmapHeight{};
    std::array<int, kEntries> BitmapBytesPerRow{};
    std::array<int, kEntries> BitmapPixelDepth{};
    std::array<int16_t, kEntries> BitmapFrameWidth{};
    std::array<int16_t, kEntries> BitmapFrameHeight{};
    std::array<int16_t, kEntries> BitmapFramesPerRow{};

  private:
    Engine& engine_;
};

}  // namespace tov
