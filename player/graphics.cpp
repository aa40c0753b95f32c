#include "player/graphics.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include <jpeglib.h>
// After jpeglib.h, which it builds on.
#include <jerror.h>

#include "common/bytes.h"

namespace orv::player {

namespace {

// libjpeg's own handler ends the process; ours jumps back to the one
// function that started the work, with the message kept.
struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

extern "C" void JpegFail(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings are ignored, except a cut-off file: the rest of its picture would
// be invented grey.
extern "C" void JpegWarn(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        JpegFail(info);
}

void InstallErrorManager(JpegErrorManager& manager) {
    jpeg_std_error(&manager.Base);
    manager.Base.error_exit = JpegFail;
    manager.Base.emit_message = JpegWarn;
    manager.Message[0] = 0;
}

std::optional<std::string> SizeRefusal(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0)
        return "The picture has no size";
    if (width > MaxPictureSide || height > MaxPictureSide)
        return "The picture is larger than 32767 pixels on a side";
    if (std::uint64_t{width} * height * 3 > MaxPictureBytes)
        return "The picture is larger than 256 MB";
    return std::nullopt;
}

// Everything the decoder touches lives here, in its caller's frame, so
// nothing the jump skips needs a destructor or goes stale.
struct DecodeJob {
    std::span<const std::uint8_t> Input;
    RgbImage* Output;
    std::string* Error;
    jpeg_decompress_struct Info;
    JpegErrorManager Errors;
    std::vector<JSAMPLE>* Row;
};

void StoreRow(const jpeg_decompress_struct& info, const JSAMPLE* row, std::uint8_t* out) {
    for (JDIMENSION x = 0; x < info.output_width; ++x, out += 3) {
        if (info.out_color_space == JCS_GRAYSCALE) {
            out[0] = out[1] = out[2] = row[x];
        } else if (info.out_color_space == JCS_CMYK) {
            // Files of this kind store the inks inverted: 255 means none.
            const JSAMPLE* p = row + 4 * x;
            for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(p[c] * p[3] / 255);
        } else {
            std::memcpy(out, row + 3 * x, 3);
        }
    }
}

// The picture and one row of libjpeg's output; false when the memory is not
// there, which ends the decoding like any other failure.
bool Allocate(DecodeJob& job) {
    const jpeg_decompress_struct& info = job.Info;
    try {
        job.Output->Width = info.output_width;
        job.Output->Height = info.output_height;
        job.Output->Pixels.resize(std::size_t{info.output_width} * info.output_height * 3);
        job.Row->resize(std::size_t{info.output_width} * info.output_components);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The one function that calls setjmp: it holds no object with a destructor.
bool RunDecode(DecodeJob& job) {
    jpeg_decompress_struct& info = job.Info;
    info.err = &job.Errors.Base;
    InstallErrorManager(job.Errors);
    jpeg_create_decompress(&info);
    if (setjmp(job.Errors.Jump)) {
        *job.Error = job.Errors.Message;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, job.Input.data(), static_cast<unsigned long>(job.Input.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    else if (info.jpeg_color_space == JCS_GRAYSCALE)
        info.out_color_space = JCS_GRAYSCALE;
    else
        info.out_color_space = JCS_RGB;
    if (const auto refusal = SizeRefusal(info.image_width, info.image_height)) {
        *job.Error = *refusal;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    if (!Allocate(job)) {
        *job.Error = "Not enough memory for the picture";
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t rowBytes = std::size_t{info.output_width} * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = job.Row->data();
        const std::size_t y = info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        StoreRow(info, row, job.Output->Pixels.data() + y * rowBytes);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

struct EncodeJob {
    const RgbImage* Input;
    int Quality;
    jpeg_compress_struct Info;
    JpegErrorManager Errors;
    unsigned char* Buffer;
    unsigned long Size;
};

bool RunEncode(EncodeJob& job) {
    jpeg_compress_struct& info = job.Info;
    info.err = &job.Errors.Base;
    InstallErrorManager(job.Errors);
    jpeg_create_compress(&info);
    if (setjmp(job.Errors.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_mem_dest(&info, &job.Buffer, &job.Size);
    const RgbImage& image = *job.Input;
    info.image_width = image.Width;
    info.image_height = image.Height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.Quality, TRUE);
    // Colour at full resolution: halved, neighbouring pixels of a small or
    // sharp picture would bleed into each other.
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        auto* row = const_cast<JSAMPLE*>(image.Pixels.data() +
                                         std::size_t{info.next_scanline} * image.Width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableHeaderSize = 22;
constexpr std::size_t MetaHeaderSize = 18;
constexpr double HiMetricPerInch = 2540.0;

}  // namespace

DecodedImage DecodeJpeg(std::span<const std::uint8_t> bytes) {
    DecodedImage result;
    RgbImage image;
    std::vector<JSAMPLE> row;
    DecodeJob job{bytes, &image, &result.Error, {}, {}, &row};
    if (RunDecode(job))
        result.Image = std::move(image);
    return result;
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const RgbImage& image, int quality) {
    if (SizeRefusal(image.Width, image.Height) ||
        image.Pixels.size() != std::size_t{image.Width} * image.Height * 3)
        return std::nullopt;
    EncodeJob job{&image, quality, {}, {}, nullptr, 0};
    const bool done = RunEncode(job);
    std::optional<std::vector<std::uint8_t>> file;
    if (done)
        file.emplace(job.Buffer, job.Buffer + job.Size);
    std::free(job.Buffer);
    return file;
}

std::optional<std::size_t> DibRowBytes(std::uint32_t width, std::uint16_t bitCount) {
    if (width > MaxPictureSide || bitCount == 0 || bitCount > 32)
        return std::nullopt;
    return (std::size_t{width} * bitCount + 31) / 32 * 4;
}

std::vector<std::uint8_t> DibFromRgb(const RgbImage& image) {
    const std::size_t rowBytes = *DibRowBytes(image.Width, 24);
    std::vector<std::uint8_t> dib(Dib::InfoHeaderSize + rowBytes * image.Height);
    Bytes header(dib);
    PutU32(header, 0, Dib::InfoHeaderSize);
    PutI32(header, 4, static_cast<std::int32_t>(image.Width));
    PutI32(header, 8, static_cast<std::int32_t>(image.Height));
    PutU16(header, 12, 1);
    PutU16(header, 14, 24);
    PutU32(header, 16, Dib::Rgb);
    PutU32(header, 20, static_cast<std::uint32_t>(rowBytes * image.Height));
    for (std::uint32_t y = 0; y < image.Height; ++y) {
        const std::uint8_t* in = image.Pixels.data() + std::size_t{y} * image.Width * 3;
        std::uint8_t* out = dib.data() + Dib::InfoHeaderSize + (image.Height - 1 - y) * rowBytes;
        for (std::uint32_t x = 0; x < image.Width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return dib;
}

namespace {

// What the header of a packed DIB says, checked against its length.
struct DibLayout {
    std::uint32_t Width, Height;
    bool TopDown;
    std::uint16_t BitCount;
    std::size_t RowBytes;
    std::size_t BitsOffset;  // from the start of the info header
};

std::optional<DibLayout> ReadDibLayout(ConstBytes dib) {
    if (dib.size() < Dib::InfoHeaderSize)
        return std::nullopt;
    const std::uint32_t headerSize = GetU32(dib, 0);
    const std::int32_t width = GetI32(dib, 4);
    const std::int32_t height = GetI32(dib, 8);
    const std::uint16_t bitCount = GetU16(dib, 14);
    const std::uint32_t compression = GetU32(dib, 16);
    std::uint32_t colours = GetU32(dib, 32);
    if (headerSize < Dib::InfoHeaderSize || headerSize > dib.size() || width <= 0 || height == 0 ||
        height == INT32_MIN)
        return std::nullopt;
    if (compression != Dib::Rgb && compression != Dib::BitFields)
        return std::nullopt;
    const auto rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
    if (SizeRefusal(static_cast<std::uint32_t>(width), rows))
        return std::nullopt;
    const std::optional<std::size_t> rowBytes =
        DibRowBytes(static_cast<std::uint32_t>(width), bitCount);
    if (!rowBytes)
        return std::nullopt;
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    if (colours > 256)
        return std::nullopt;
    // Bit fields follow a plain info header as three masks.
    const std::size_t masks =
        compression == Dib::BitFields && headerSize == Dib::InfoHeaderSize ? 12 : 0;
    const std::size_t offset = headerSize + masks + std::size_t{colours} * 4;
    if (offset > dib.size() || *rowBytes * rows > dib.size() - offset)
        return std::nullopt;
    return DibLayout{
        static_cast<std::uint32_t>(width), rows, height < 0, bitCount, *rowBytes, offset};
}

}  // namespace

DecodedImage RgbFromDib(std::span<const std::uint8_t> dib) {
    DecodedImage result;
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    if (!layout || (layout->BitCount != 24 && layout->BitCount != 32)) {
        result.Error = "The bitmap is not a 24- or 32-bit picture";
        return result;
    }
    RgbImage image{layout->Width, layout->Height, {}};
    image.Pixels.resize(std::size_t{image.Width} * image.Height * 3);
    const std::size_t step = layout->BitCount / 8;
    for (std::uint32_t y = 0; y < image.Height; ++y) {
        const std::uint32_t stored = layout->TopDown ? y : image.Height - 1 - y;
        const std::uint8_t* in = dib.data() + layout->BitsOffset + stored * layout->RowBytes;
        std::uint8_t* out = image.Pixels.data() + std::size_t{y} * image.Width * 3;
        for (std::uint32_t x = 0; x < image.Width; ++x, in += step, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    result.Image = std::move(image);
    return result;
}

std::optional<std::vector<std::uint8_t>> BmpFileFromDib(std::span<const std::uint8_t> dib) {
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    if (!layout)
        return std::nullopt;
    const std::size_t used = layout->BitsOffset + layout->RowBytes * layout->Height;
    std::vector<std::uint8_t> file(Dib::FileHeaderSize + used);
    Bytes header(file);
    header[0] = 'B';
    header[1] = 'M';
    PutU32(header, 2, static_cast<std::uint32_t>(file.size()));
    PutU32(header, 10, static_cast<std::uint32_t>(Dib::FileHeaderSize + layout->BitsOffset));
    std::memcpy(file.data() + Dib::FileHeaderSize, dib.data(), used);
    return file;
}

std::optional<Metafile> ReadMetafile(std::span<const std::uint8_t> bytes) {
    Metafile metafile{bytes};
    if (bytes.size() >= PlaceableHeaderSize && GetU32(bytes, 0) == PlaceableKey) {
        std::uint16_t checksum = 0;
        for (std::size_t at = 0; at < 20; at += 2) checksum ^= GetU16(bytes, at);
        const std::int32_t width = GetI16(bytes, 10) - GetI16(bytes, 6);
        const std::int32_t height = GetI16(bytes, 12) - GetI16(bytes, 8);
        const std::uint16_t perInch = GetU16(bytes, 14);
        if (checksum != GetU16(bytes, 20) || perInch == 0 || width == 0 || height == 0)
            return std::nullopt;
        metafile.WidthHiMetric =
            static_cast<std::int32_t>((width < 0 ? -width : width) * HiMetricPerInch / perInch);
        metafile.HeightHiMetric =
            static_cast<std::int32_t>((height < 0 ? -height : height) * HiMetricPerInch / perInch);
        metafile.Bits = bytes.subspan(PlaceableHeaderSize);
    }
    // The metafile's own header: type 1 or 2, nine words long, a version the
    // system knows, and a size in words that the file holds.
    const ConstBytes bits = metafile.Bits;
    if (bits.size() < MetaHeaderSize)
        return std::nullopt;
    const std::uint16_t type = GetU16(bits, 0);
    const std::uint16_t words = GetU16(bits, 2);
    const std::uint16_t version = GetU16(bits, 4);
    const std::uint64_t size = std::uint64_t{GetU32(bits, 6)} * 2;
    if ((type != 1 && type != 2) || words != 9 || (version != 0x0100 && version != 0x0300) ||
        size < MetaHeaderSize || size > bits.size())
        return std::nullopt;
    metafile.Bits = bits.first(static_cast<std::size_t>(size));
    return metafile;
}

}  // namespace orv::player
