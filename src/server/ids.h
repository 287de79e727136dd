// The fixed identities of the automation server: type library, class and interface. They are
// written once into the type library and the registration and never change.
#pragma once

#include <cstdint>
#include <string_view>

namespace tov::server {

struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

// Type library tovserver, version 1.0, locale 0x409.
constexpr Guid kLibraryId = {
    0x38909953, 0xfec5, 0x4f66, {0xa8, 0x77, 0x07, 0x64, 0xa0, 0x82, 0xa8, 0xae}};
constexpr std::string_view kLibraryIdText = "{38909953-FEC5-4F66-A877-0764A082A8AE}";
constexpr uint16_t kLibraryMajor = 1;
constexpr uint16_t kLibraryMinor = 0;
constexpr uint32_t kLibraryLocale = 0x409;

// Class myQuendal.
constexpr Guid kClassId = {
    0x778d4af5, 0xb5b5, 0x4cc3, {0x87, 0x5c, 0xf9, 0x5e, 0xa0, 0xcd, 0x37, 0x3d}};
constexpr std::string_view kClassIdText = "{778D4AF5-B5B5-4CC3-875C-F95EA0CD373D}";

// Dual interface myInterface.
constexpr Guid kInterfaceId = {
    0x8920a128, 0xcb1d, 0x4e8c, {0xb3, 0xd0, 0xc0, 0x3f, 0x2e, 0x5f, 0x8a, 0x51}};
constexpr std::string_view kInterfaceIdText = "{8920A128-CB1D-4E8C-B3D0-C03F2E5F8A51}";

constexpr std::string_view kProgId = "tovserver.myQuendal";
constexpr std::string_view kClassName = "myQuendal";
constexpr std::string_view kInterfaceName = "myInterface";
constexpr std::string_view kLibraryName = "tovserver";

}  // namespace tov::server
