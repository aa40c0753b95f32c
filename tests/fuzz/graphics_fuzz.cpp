// The picture readers on untrusted files: JPEG, packed bitmaps and metafiles.
#include <cstddef>
#include <cstdint>
#include <span>

#include "player/graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    orv::player::DecodeJpeg(bytes);
    orv::player::ReadMetafile(bytes);
    orv::player::RgbFromDib(bytes);
    orv::player::BmpFileFromDib(bytes);
    return 0;
}
