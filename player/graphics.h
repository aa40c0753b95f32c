// The picture formats the clipboard commands read and write: JPEG through
// libjpeg, device-independent bitmaps and their .BMP files, and Windows
// metafiles with or without the placeable header. Everything a file claims
// about its size is checked before anything is allocated for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orv::player {

// Limits of a picture the player takes: beyond them a file is refused as
// unreadable rather than exhausting the memory.
constexpr std::uint32_t MaxPictureSide = 32767;
constexpr std::uint64_t MaxPictureBytes = 256ull << 20;

// A picture as rows of red, green and blue bytes, top row first, no padding.
struct RgbImage {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
};

// A picture or the reason it could not be had.
struct DecodedImage {
    std::optional<RgbImage> Image;
    std::string Error;
};

// Decodes a JPEG of any of its colour spaces (gray, RGB, YCbCr, CMYK, YCCK)
// into 24-bit rows. A damaged or cut-off file is an error, never the end of
// the process.
DecodedImage DecodeJpeg(std::span<const std::uint8_t> bytes);

// Encodes at the given quality (1..100); none when libjpeg refuses.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const RgbImage& image, int quality);

// Bytes of one row of a device-independent bitmap (padded to 4); none when
// the width or depth is out of range.
std::optional<std::size_t> DibRowBytes(std::uint32_t width, std::uint16_t bitCount);

// A packed device-independent bitmap (info header, colour table, bottom-up
// rows) as the clipboard holds it under CF_DIB.
namespace Dib {
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t Rgb = 0;        // BI_RGB
constexpr std::uint32_t BitFields = 3;  // BI_BITFIELDS
}  // namespace Dib

// 24-bit packed DIB of an image.
std::vector<std::uint8_t> DibFromRgb(const RgbImage& image);
// The image of an uncompressed 24- or 32-bit packed DIB (top-down or
// bottom-up); an error for anything else or a size that does not add up.
DecodedImage RgbFromDib(std::span<const std::uint8_t> dib);
// A .BMP file of a packed DIB: the file header in front, the colour table
// and the rows kept as they are. None when the DIB's header is not sound.
std::optional<std::vector<std::uint8_t>> BmpFileFromDib(std::span<const std::uint8_t> dib);

// A Windows metafile: the bits of the metafile itself and, for a placeable
// file, its size in units of 1/100 mm.
struct Metafile {
    std::span<const std::uint8_t> Bits;
    std::int32_t WidthHiMetric = 0;
    std::int32_t HeightHiMetric = 0;
};
// Checks the placeable header (key, checksum, bounds, units) when present,
// and the metafile header behind it; none when either is not sound.
std::optional<Metafile> ReadMetafile(std::span<const std::uint8_t> bytes);

}  // namespace orv::player
