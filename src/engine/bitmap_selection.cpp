#include "engine/bitmap_selection.h"

#include <string>

#include "engine/engine.h"
#include "platform/paths.h"

namespace tov {

void BitmapSelection::Empty() {
    // Once its handle is gone no call can name a bitmap again, so it is discarded rather than
    // left to grow the run-time's store with every InstallPanel. What a panel shows keeps its
    // own copy of the pixels, so the screen does not change.
    for (int& handle : BitmapIDSelection) {
        if (handle != 0) engine_.Runtime().DiscardBitmap(handle);
        handle = 0;
    }
}

void BitmapSelection::ReadGeometry(int index) {
    if (!IsEntry(index)) return;
    engine_.Runtime().GetBitmapInfo(BitmapIDSelection[index], &BitmapBytesPerRow[index],
                                    &BitmapPixelDepth[index], &BitmapWidth[index],
                                    &BitmapHeight[index]);
}

void BitmapSelection::Replace(int index, int bitmap) {
    if (!IsEntry(index)) {
        engine_.Runtime().DiscardBitmap(bitmap);
        return;
    }
    if (BitmapIDSelection[index] != 0) engine_.Runtime().DiscardBitmap(BitmapIDSelection[index]);
    BitmapIDSelection[index] = bitmap;
    ReadGeometry(index);
}

int BitmapSelection::AddBitmapToSelection(std::string_view _BitmapFileName,
                                          int16_t _BitmapSelectionIndex, int16_t _BitmapFrameWidth,
                                          int16_t _BitmapFrameHeight) {
    const int i = _BitmapSelectionIndex;
    if (!IsSlot(i)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'AddBitmapToSelection': argument "
                              "'_BitmapSelectionIndex' out of range out of range (must be 0..499)");
    }
    platform::Runtime& rt = engine_.Runtime();
    const std::string path = platform::JoinPath(engine_.MainPanel().loadedVPTDir, _BitmapFileName);

    if (BitmapIDSelection[i] != 0) {
        rt.DiscardBitmap(BitmapIDSelection[i]);
        BitmapIDSelection[i] = 0;
    }
    int bitmap = 0;
    const int error = rt.GetBitmapFromFile(platform::ResolveCaseInsensitive(path), &bitmap);
    if (error < 0) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'AddBitmapToSelection': File '" + path +
                                  "': " + std::string(platform::GetUILErrorString(error)));
    }
    BitmapIDSelection[i] = bitmap;

    BitmapFrameWidth[i] = _BitmapFrameWidth;
    BitmapFrameHeight[i] = _BitmapFrameHeight;
    ReadGeometry(i);
    if (_BitmapFrameWidth == 0) {
        return engine_.Report(ReportTitle::Warning,
                              "CVI-function 'AddBitmapToSelection': argument '_BitmapFrameWidth' "
                              "is zero");
    }
    BitmapFramesPerRow[i] = static_cast<int16_t>(BitmapWidth[i] / _BitmapFrameWidth);
    return 0;
}

}  // namespace tov
