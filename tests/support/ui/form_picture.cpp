#include "tests/support/ui/form_picture.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/win32/form.h"
#include "common/ui/win32/services.h"
#include "tests/support/ui/layout_check.h"

namespace orv::testing {
namespace {

struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rows;  // bottom-up, each padded to 4 bytes
};

// What the screen shows of the window, frame included.
Picture TakePicture(HWND window) {
    Picture picture;
    RECT r{};
    GetWindowRect(window, &r);
    picture.Width = r.right - r.left;
    picture.Height = r.bottom - r.top;
    if (picture.Width <= 0 || picture.Height <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biHeight = picture.Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, picture.Width, picture.Height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        std::size_t stride = (static_cast<std::size_t>(picture.Width) * 3 + 3) & ~std::size_t{3};
        auto* begin = static_cast<unsigned char*>(bits);
        picture.Rows.assign(begin, begin + stride * static_cast<std::size_t>(picture.Height));
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

void PutLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Written beside the target and renamed over it, so no half picture remains.
bool WriteBmp(const Picture& picture, const std::string& path) {
    if (picture.Rows.empty())
        return false;
    constexpr std::uint32_t headers = 14 + 40;
    std::vector<unsigned char> file;
    file.push_back('B');
    file.push_back('M');
    PutLittleEndian(file, headers + static_cast<std::uint32_t>(picture.Rows.size()), 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, headers, 4);
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(picture.Width), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(picture.Height), 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    PutLittleEndian(file, BI_RGB, 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(picture.Rows.size()), 4);
    PutLittleEndian(file, 2835, 4);  // 72 dots per inch
    PutLittleEndian(file, 2835, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 0, 4);
    file.insert(file.end(), picture.Rows.begin(), picture.Rows.end());

    std::string temporary = path + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    written = std::fclose(out) == 0 && written;
    if (written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

class PictureTaker final : public FormObserver {
  public:
    explicit PictureTaker(std::string path)
        : path_(std::move(path)), previous_(CurrentFormObserver()) {
        SetFormObserver(this);
    }
    ~PictureTaker() override { SetFormObserver(previous_); }

    void FormShown(TForm& form) override {
        Sound = WriteShownFormPicture(form.Handle(), path_);
        form.Close(IDCANCEL);
    }

    bool Sound = false;

  private:
    std::string path_;
    FormObserver* previous_;
};

}  // namespace

bool WriteShownFormPicture(HWND form, const std::string& path) {
    RedrawWindow(form, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    bool written = WriteBmp(TakePicture(form), path);
    std::vector<std::string> faults = LayoutFaults(form);
    for (std::string& fault : MnemonicFaults(form)) faults.push_back(std::move(fault));
    for (const std::string& fault : faults)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), fault.c_str());
    return written && faults.empty();
}

bool WriteFormPicture(TForm& form, const std::string& path) {
    PictureTaker taker(path);
    form.ShowModal();
    return taker.Sound;
}

}  // namespace orv::testing
