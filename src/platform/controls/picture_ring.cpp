#include "platform/controls/picture_ring.h"

#include "platform/controls/picture.h"
#include "platform/image_file.h"
#include "platform/paths.h"

namespace tov::platform {

PictureRing::PictureRing(int id)
    : ListControl(ControlKind::PictureRing, id,
                  MakeAttrSet({Attr::PictureBgColor}) | LabelAttrs()) {
    look_.background = kTransparent;
}

int PictureRing::PrepareItem(std::string_view label) {
    // Labels are paths as scripts build them: backslashes separate, and letter case is found
    // on a case-sensitive file system.
    const std::string path = ResolveCaseInsensitive(JoinPath("", label));
    tov::platform::Bitmap bitmap;
    const int status = ReadImageFile(path, &bitmap);
    if (status != kUISuccess) return status == kUIEFileNotFound ? kUIEFileNotFound : status;
    prepared_ = std::move(bitmap);
    return kUISuccess;
}

void PictureRing::StoreItem(int index, bool insert) {
    if (insert) {
        images_.insert(images_.begin() + index, std::move(prepared_));
    } else {
        images_[static_cast<size_t>(index)] = std::move(prepared_);
    }
    prepared_ = tov::platform::Bitmap{};
}

void PictureRing::RemoveItems(int index, int count) {
    images_.erase(images_.begin() + index, images_.begin() + index + count);
}

const tov::platform::Bitmap* PictureRing::ImageOf(int index) const {
    if (index < 0 || index >= static_cast<int>(images_.size())) return nullptr;
    return &images_[static_cast<size_t>(index)];
}

void PictureRing::Paint(Painter& painter) const {
    PaintStretched(painter, ImageOf(Selected()), look_.background, look_.dimmed);
}

}  // namespace tov::platform
