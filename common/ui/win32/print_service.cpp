#include "common/ui/win32/print_service.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <string>

#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"

namespace orv {
namespace {

PrintService* installedPrintService = nullptr;

// Asked before any print dialog: without printers the system's dialog would
// open a notice of its own that waits for an answer.
bool HasPrinters() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

class Win32PrintDocument final : public PrintDocument {
  public:
    Win32PrintDocument(HDC dc, bool& printing) : dc_(dc), printing_(printing) { printing_ = true; }
    ~Win32PrintDocument() override {
        if (!ended_)
            AbortDoc(dc_);
        DeleteDC(dc_);
        if (font_)
            DeleteObject(font_);
        printing_ = false;
    }
    int PageWidth() const override { return GetDeviceCaps(dc_, HORZRES); }
    int PageHeight() const override { return GetDeviceCaps(dc_, VERTRES); }
    void SetFont(const FontDescription& font) override {
        LOGFONTA log = LogFontOf(font, GetDeviceCaps(dc_, LOGPIXELSY));
        HFONT made = CreateFontIndirectA(&log);
        SelectObject(dc_, made);
        SetTextColor(dc_, static_cast<COLORREF>(font.Color));
        if (font_)
            DeleteObject(font_);
        font_ = made;
    }
    int TextWidth(std::string_view text) override { return Extent(text).cx; }
    int TextHeight(std::string_view text) override { return Extent(text).cy; }
    void PrintText(int x, int y, std::string_view text) override {
        TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    }
    void NewPage() override {
        EndPage(dc_);
        StartPage(dc_);
    }
    void End() override {
        EndPage(dc_);
        EndDoc(dc_);
        ended_ = true;
    }

  private:
    SIZE Extent(std::string_view text) const {
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size;
    }
    HDC dc_;
    bool& printing_;
    HFONT font_ = nullptr;
    bool ended_ = false;
};

}  // namespace

Win32PrintService::~Win32PrintService() {
    GlobalFree(devMode_);
    GlobalFree(devNames_);
}

std::optional<PrintChoice> Win32PrintService::RunDialog(HWND owner, DWORD flags) {
    if (!HasPrinters()) {
        ShowError(NoPrinterText);
        return std::nullopt;
    }
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.nCopies = 1;
    dialog.Flags = flags | PD_NOPAGENUMS | PD_NOSELECTION;
    BOOL chosen = PrintDlgA(&dialog);
    // The dialog may have replaced the printer description either way.
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    if (!chosen)
        return std::nullopt;
    return PrintChoice{std::max<int>(dialog.nCopies, 1)};
}

std::optional<PrintChoice> Win32PrintService::ShowPrintDialog(HWND owner) {
    return RunDialog(owner, 0);
}

void Win32PrintService::ShowPrinterSetup(HWND owner) {
    RunDialog(owner, PD_PRINTSETUP);
}

HDC Win32PrintService::PrinterDC() const {
    if (devNames_) {
        auto* names = static_cast<DEVNAMES*>(GlobalLock(devNames_));
        auto* mode = devMode_ ? static_cast<DEVMODEA*>(GlobalLock(devMode_)) : nullptr;
        const char* base = reinterpret_cast<const char*>(names);
        HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset,
                           base + names->wOutputOffset, mode);
        if (mode)
            GlobalUnlock(devMode_);
        GlobalUnlock(devNames_);
        return dc;
    }
    char name[256] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? CreateDCA("WINSPOOL", name, nullptr, nullptr)
                                           : nullptr;
}

std::unique_ptr<PrintDocument> Win32PrintService::BeginDoc(std::string_view title) {
    HDC dc = HasPrinters() ? PrinterDC() : nullptr;
    if (!dc) {
        ShowError(NoPrinterText);
        return nullptr;
    }
    std::string name(title);
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    if (StartDocA(dc, &info) <= 0) {
        DeleteDC(dc);
        ShowError("The document could not be sent to the printer.");
        return nullptr;
    }
    StartPage(dc);
    return std::make_unique<Win32PrintDocument>(dc, printing_);
}

PrintService& CurrentPrintService() {
    static Win32PrintService system;
    return installedPrintService ? *installedPrintService : system;
}

void SetCurrentPrintService(PrintService* service) {
    installedPrintService = service;
}

}  // namespace orv
