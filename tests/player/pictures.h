// Pictures made for tests: JPEG files of known pixels (colour and gray), a
// placeable Windows metafile, and their damaged variants.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "common/bytes.h"
#include "player/graphics.h"

namespace orv::player::testing {

// width x height pixels, each of its own colour.
inline RgbImage ColourfulImage(std::uint32_t width, std::uint32_t height) {
    RgbImage image{width, height, {}};
    for (std::uint32_t i = 0; i < width * height; ++i) {
        image.Pixels.push_back(static_cast<std::uint8_t>(40 * i));
        image.Pixels.push_back(static_cast<std::uint8_t>(200 - 30 * i));
        image.Pixels.push_back(static_cast<std::uint8_t>(90 + 25 * i));
    }
    return image;
}

inline std::vector<std::uint8_t> ColourJpeg(std::uint32_t width, std::uint32_t height) {
    return *EncodeJpeg(ColourfulImage(width, height), 100);
}

// A one-channel JPEG of one gray level, written by libjpeg itself.
inline std::vector<std::uint8_t> GrayJpeg(std::uint32_t width, std::uint32_t height,
                                          std::uint8_t level) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(width, level);
    while (info.next_scanline < height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

// The frame header of a JPEG rewritten to claim another size.
inline std::vector<std::uint8_t> WithClaimedSize(std::vector<std::uint8_t> jpeg,
                                                 std::uint16_t width, std::uint16_t height) {
    for (std::size_t at = 2; at + 9 < jpeg.size(); ++at) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] == 0xC0) {
            jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[at + 6] = static_cast<std::uint8_t>(height);
            jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[at + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return jpeg;
}

// A placeable metafile of one rectangle, 2 x 1 inches at 1440 units an inch.
inline std::vector<std::uint8_t> PlaceableMetafile() {
    const std::vector<std::uint16_t> records = {
        7, 0, 0x041B, 100, 200, 10, 20,  // rectangle (bottom, right, top, left)
        3, 0, 0,                         // end of file
    };
    std::vector<std::uint8_t> file(22 + 18 + records.size() * 2);
    Bytes b(file);
    PutU32(b, 0, 0x9AC6CDD7);
    PutI16(b, 6, 0);
    PutI16(b, 8, 0);
    PutI16(b, 10, 2880);
    PutI16(b, 12, 1440);
    PutU16(b, 14, 1440);
    std::uint16_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) checksum ^= GetU16(b, at);
    PutU16(b, 20, checksum);
    PutU16(b, 22, 1);                                               // in memory
    PutU16(b, 24, 9);                                               // header words
    PutU16(b, 26, 0x0300);                                          // version
    PutU32(b, 28, static_cast<std::uint32_t>(9 + records.size()));  // size in words
    PutU16(b, 32, 0);                                               // objects
    PutU32(b, 34, 7);                                               // largest record
    for (std::size_t i = 0; i < records.size(); ++i) PutU16(b, 40 + 2 * i, records[i]);
    return file;
}

}  // namespace orv::player::testing
