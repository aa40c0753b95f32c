// The video window with a clip of our own making: two frames of 32 x 16
// pixels, uncompressed.
#include "player/win32/forms/play_avi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

using orv::testing::ModalDriver;
using orv::testing::PumpUntil;
using orv::testing::ScratchFolder;

class Riff {
  public:
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
    }
    void U16(std::uint16_t v) {
        bytes.push_back(static_cast<char>(v));
        bytes.push_back(static_cast<char>(v >> 8));
    }
    void Code(const char* code) { bytes.insert(bytes.end(), code, code + 4); }
    // A chunk or list whose size is filled in at End.
    std::size_t Begin(const char* code, const char* listType = nullptr) {
        Code(code);
        const std::size_t at = bytes.size();
        U32(0);
        if (listType)
            Code(listType);
        return at;
    }
    void End(std::size_t at) {
        const auto size = static_cast<std::uint32_t>(bytes.size() - at - 4);
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(size >> (8 * i));
    }
    std::vector<char> bytes;
};

void WriteClip(const std::string& file, std::uint32_t width, std::uint32_t height) {
    const std::uint32_t frameBytes = (width * 3 + 3) / 4 * 4 * height;
    const std::uint32_t frames = 2;
    Riff r;
    const std::size_t riff = r.Begin("RIFF", "AVI ");
    const std::size_t hdrl = r.Begin("LIST", "hdrl");
    const std::size_t avih = r.Begin("avih");
    for (std::uint32_t v : {100000u, frameBytes * 10, 0u, 0x10u, frames, 0u, 1u, frameBytes, width,
                            height, 0u, 0u, 0u, 0u})
        r.U32(v);
    r.End(avih);
    const std::size_t strl = r.Begin("LIST", "strl");
    const std::size_t strh = r.Begin("strh");
    r.Code("vids");
    r.Code("DIB ");
    for (std::uint32_t v : {0u, 0u, 0u, 1u, 10u, 0u, frames, frameBytes, 0xFFFFFFFFu, 0u}) r.U32(v);
    for (std::uint16_t v : {std::uint16_t{0}, std::uint16_t{0}, static_cast<std::uint16_t>(width),
                            static_cast<std::uint16_t>(height)})
        r.U16(v);
    r.End(strh);
    const std::size_t strf = r.Begin("strf");
    r.U32(40);
    r.U32(width);
    r.U32(height);
    r.U16(1);
    r.U16(24);
    for (std::uint32_t v : {0u, frameBytes, 0u, 0u, 0u, 0u}) r.U32(v);
    r.End(strf);
    r.End(strl);
    r.End(hdrl);
    const std::size_t movi = r.Begin("LIST", "movi");
    std::vector<std::uint32_t> offsets;
    for (std::uint32_t f = 0; f < frames; ++f) {
        offsets.push_back(static_cast<std::uint32_t>(r.bytes.size() - (movi + 4)));
        const std::size_t chunk = r.Begin("00db");
        r.bytes.insert(r.bytes.end(), frameBytes, static_cast<char>(f ? 0x40 : 0xC0));
        r.End(chunk);
    }
    r.End(movi);
    const std::size_t idx1 = r.Begin("idx1");
    for (std::uint32_t offset : offsets) {
        r.Code("00db");
        r.U32(0x10);
        r.U32(offset);
        r.U32(frameBytes);
    }
    r.End(idx1);
    r.End(riff);
    std::ofstream(file, std::ios::binary).write(r.bytes.data(), r.bytes.size());
}

TEST(PlayAviTest, PlayAndCloseShowsTheClipAtItsSizeAndClosesAtItsEnd) {
    ScratchFolder folder("avi");
    const std::string clip = folder.Path() + "\\clip.avi";
    WriteClip(clip, 32, 16);
    ModalDriver driver;
    driver.Expect<TDoPlayAVI>([&](TDoPlayAVI& form) {
        EXPECT_EQ(form.Caption(), "Video Clip Player");
        EXPECT_EQ(form.ClientHeight(), 16 + TDoPlayAVI::BarHeight);
        EXPECT_EQ(form.ClientWidth(), TDoPlayAVI::BarWidth);  // at least the bar
        EXPECT_TRUE(PumpUntil([&] { return !form.IsOpen(); }, 10000));
    });
    EXPECT_EQ(PlayVideoClip(clip, TDoPlayAVI::PlayAndClose), std::nullopt);

    const std::string bad = folder.Path() + "\\bad.avi";
    std::ofstream(bad) << "not a clip";
    const std::optional<std::string> failure = PlayVideoClip(bad, TDoPlayAVI::PlayAndClose);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
}

}  // namespace
}  // namespace orv::player
