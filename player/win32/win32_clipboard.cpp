#include "player/win32/win32_clipboard.h"

#include <cstring>

#include "common/ui/win32/services.h"

namespace orv::player {

namespace {

// The clipboard, open for the life of the object. Another program may hold
// it for a moment, so opening is tried a few times.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != 0;
            if (!open_)
                Sleep(10);
        }
    }
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

// Empties the clipboard and hands it one block of bytes; the clipboard owns
// the block once it took it.
bool PutBlock(HWND owner, UINT format, const void* data, std::size_t size) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard())
        return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return false;
    std::memcpy(GlobalLock(block), data, size);
    GlobalUnlock(block);
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}

// The first bitmap format in the clipboard's own order.
bool HoldsBitmap() {
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        if (format == CF_BITMAP || format == CF_DIB || format == CF_DIBV5)
            return true;
    }
    return false;
}

// A bitmap as a packed DIB: 24 bits, or its own depth with its colour table
// when it has one.
std::optional<std::vector<std::uint8_t>> PackedDib(HBITMAP bitmap, HPALETTE palette,
                                                   bool trueColour) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return std::nullopt;
    const int depth = info.bmBitsPixel * info.bmPlanes;
    const WORD bitCount = !trueColour && depth <= 8 ? static_cast<WORD>(depth) : 24;
    const auto width = static_cast<std::uint32_t>(info.bmWidth);
    const auto height = static_cast<std::uint32_t>(info.bmHeight);
    const std::optional<std::size_t> rowBytes = DibRowBytes(width, bitCount);
    if (!rowBytes || height > MaxPictureSide || *rowBytes * height > MaxPictureBytes)
        return std::nullopt;
    const std::size_t colours = bitCount <= 8 ? std::size_t{1} << bitCount : 0;
    const std::size_t bitsOffset = Dib::InfoHeaderSize + colours * 4;
    std::vector<std::uint8_t> dib(bitsOffset + *rowBytes * height);
    // Room for the whole colour table behind the header, as GetDIBits fills it.
    std::vector<std::uint8_t> header(Dib::InfoHeaderSize + 256 * 4);
    auto* bitmapInfo = reinterpret_cast<BITMAPINFO*>(header.data());
    bitmapInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmapInfo->bmiHeader.biWidth = info.bmWidth;
    bitmapInfo->bmiHeader.biHeight = info.bmHeight;
    bitmapInfo->bmiHeader.biPlanes = 1;
    bitmapInfo->bmiHeader.biBitCount = bitCount;
    bitmapInfo->bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HPALETTE previous = palette ? SelectPalette(screen, palette, FALSE) : nullptr;
    if (palette)
        RealizePalette(screen);
    const int rows =
        GetDIBits(screen, bitmap, 0, height, dib.data() + bitsOffset, bitmapInfo, DIB_RGB_COLORS);
    if (previous)
        SelectPalette(screen, previous, FALSE);
    ReleaseDC(nullptr, screen);
    if (rows != static_cast<int>(height))
        return std::nullopt;
    bitmapInfo->bmiHeader.biClrUsed = static_cast<DWORD>(colours);
    bitmapInfo->bmiHeader.biSizeImage = static_cast<DWORD>(*rowBytes * height);
    std::memcpy(dib.data(), header.data(), bitsOffset);
    return dib;
}

}  // namespace

bool Win32Clipboard::PutText(std::string_view text) {
    std::string terminated(text);
    return PutBlock(Owner, CF_TEXT, terminated.c_str(), terminated.size() + 1);
}

bool Win32Clipboard::PutDib(std::span<const std::uint8_t> packedDib) {
    return PutBlock(Owner, CF_DIB, packedDib.data(), packedDib.size());
}

bool Win32Clipboard::PutMetafile(const Metafile& metafile) {
    // A placeable file gives its size; a plain one is sized by the system.
    METAFILEPICT picture{MM_ANISOTROPIC, metafile.WidthHiMetric, metafile.HeightHiMetric, nullptr};
    HENHMETAFILE enhanced =
        SetWinMetaFileBits(static_cast<UINT>(metafile.Bits.size()), metafile.Bits.data(), nullptr,
                           metafile.WidthHiMetric ? &picture : nullptr);
    if (!enhanced)
        return false;
    OpenClipboardScope clipboard(Owner);
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_ENHMETAFILE, enhanced)) {
        DeleteEnhMetaFile(enhanced);
        return false;
    }
    return true;
}

bool Win32Clipboard::PutBitmapFile(const std::string& path) {
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!bitmap)
        return false;
    OpenClipboardScope clipboard(Owner);
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_BITMAP, bitmap)) {
        DeleteObject(bitmap);
        return false;
    }
    return true;
}

std::string Win32Clipboard::Text() {
    OpenClipboardScope clipboard(Owner);
    if (!clipboard)
        return {};
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data)
        return {};
    const auto* text = static_cast<const char*>(GlobalLock(data));
    if (!text)
        return {};
    // Never past the block, should its text lack the final NUL.
    const std::string result(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
    return result;
}

std::optional<std::vector<std::uint8_t>> Win32Clipboard::Bitmap(bool trueColour) {
    OpenClipboardScope clipboard(Owner);
    if (!clipboard || !HoldsBitmap())
        return std::nullopt;
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap)
        return std::nullopt;
    auto* palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
    return PackedDib(bitmap, palette, trueColour);
}

std::optional<std::string> Win32Clipboard::AskFileName(const SaveQuestion& question) {
    FileDialogOptions options;
    options.Title = question.Title;
    options.Filter = question.Filter;
    options.DefaultExt = question.DefaultExt;
    options.FileMustExist = question.FileMustExist;
    options.HideReadOnly = true;
    return CurrentFileDialogs().Save(Owner, options);
}

}  // namespace orv::player
