#include "x_screen.h"

#if defined(TOV_TEST_WINDOWS)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace tov::testing {

bool ReadXScreen(const std::string& display, int width, int height, std::vector<uint32_t>* out) {
#if defined(TOV_TEST_WINDOWS)
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) return false;
    XSync(x, False);
    XImage* image = XGetImage(x, DefaultRootWindow(x), 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    bool ok = false;
    if (image != nullptr) {
        out->assign(static_cast<size_t>(width) * height, 0);
        for (int y = 0; y < height; ++y)
            for (int x0 = 0; x0 < width; ++x0)
                (*out)[static_cast<size_t>(y) * width + x0] =
                    static_cast<uint32_t>(XGetPixel(image, x0, y)) & 0xFFFFFF;
        XDestroyImage(image);
        ok = true;
    }
    XCloseDisplay(x);
    return ok;
#else
    (void)display;
    (void)width;
    (void)height;
    (void)out;
    return false;
#endif
}

std::vector<std::string> XWindowTitles(const std::string& display) {
    std::vector<std::string> titles;
#if defined(TOV_TEST_WINDOWS)
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) return titles;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            char* name = nullptr;
            if (XGetWindowAttributes(x, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable && XFetchName(x, children[i], &name) != 0 &&
                name != nullptr) {
                titles.emplace_back(name);
            }
            if (name != nullptr) XFree(name);
        }
        if (children != nullptr) XFree(children);
    }
    XCloseDisplay(x);
#else
    (void)display;
#endif
    return titles;
}

}  // namespace tov::testing
