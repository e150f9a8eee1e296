#pragma once

#include <cstdint>
#include <span>

namespace app {

// A picture compiled into the program: premultiplied ARGB, one 32-bit word
// per pixel, row after row.
struct EmbeddedPicture {
    const char* name;
    int pixels;  // width and height
    const std::uint32_t* argb;
};

// Every picture the build made, each name's sizes smallest first.
std::span<const EmbeddedPicture> EmbeddedPictures();

}  // namespace app
