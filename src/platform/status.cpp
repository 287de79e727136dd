#include "platform/types.h"

namespace tov::platform {

std::string_view GetUILErrorString(int status) {
    switch (status) {
        case kUISuccess:
            return "No error";
        case kUIEOutOfMemory:
            return "Out of memory";
        case kUIEInvalidPanel:
            return "The panel handle is not valid";
        case kUIEInvalidControl:
            return "The control does not exist";
        case kUIEInvalidAttribute:
            return "The attribute is not valid for this panel or control";
        case kUIEInvalidValue:
            return "The value is not valid for this attribute";
        case kUIEInvalidBitmap:
            return "The bitmap handle is not valid";
        case kUIEWrongControlKind:
            return "The operation does not apply to this kind of control";
        case kUIEInvalidResource:
            return "The panel file has no panel with this resource id";
        case kUIEFileNotLoaded:
            return "The panel file is unknown";
        case kUIEListIndexOutOfRange:
            return "The list position does not exist";
        case kUIENullPointer:
            return "A required pointer is missing";
        case kUIEBufferTooSmall:
            return "The buffer is too small";
        case kUIEFileNotFound:
            return "File not found";
        case kUIEFileReadFailed:
            return "The file could not be read";
        case kUIEBadFileFormat:
            return "The file is not an image in a known format";
        case kUIEFileWriteFailed:
            return "The file could not be written";
        default:
            return "Unknown run-time error";
    }
}

}  // namespace tov::platform
