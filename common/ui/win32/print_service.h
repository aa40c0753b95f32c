// Printing: the print and set-up dialogs and the document a program prints
// on, in the printer's own pixels. A service a test replaces.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "common/font_description.h"

namespace orv {

struct PrintChoice {
    int Copies = 1;
};

// One document on its way to the printer. Destroyed without End it is
// dropped from the printer's queue.
class PrintDocument {
  public:
    virtual ~PrintDocument() = default;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual void SetFont(const FontDescription& font) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void PrintText(int x, int y, std::string_view text) = 0;
    virtual void NewPage() = 0;
    virtual void End() = 0;
};

class PrintService {
  public:
    virtual ~PrintService() = default;
    // A document of this program is still being printed.
    virtual bool Printing() const = 0;
    // The printer and the number of copies; nothing when the user cancelled
    // or there is no printer (which was said).
    virtual std::optional<PrintChoice> ShowPrintDialog(HWND owner) = 0;
    virtual void ShowPrinterSetup(HWND owner) = 0;
    // A document with this title on the printer chosen last (else the
    // default one); nothing when it could not be started (which was said).
    virtual std::unique_ptr<PrintDocument> BeginDoc(std::string_view title) = 0;
};

class Win32PrintService final : public PrintService {
  public:
    ~Win32PrintService() override;
    bool Printing() const override { return printing_; }
    std::optional<PrintChoice> ShowPrintDialog(HWND owner) override;
    void ShowPrinterSetup(HWND owner) override;
    std::unique_ptr<PrintDocument> BeginDoc(std::string_view title) override;

  private:
    std::optional<PrintChoice> RunDialog(HWND owner, DWORD flags);
    HDC PrinterDC() const;
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
    bool printing_ = false;
};

PrintService& CurrentPrintService();
void SetCurrentPrintService(PrintService* service);

// The text shown instead of a print dialog on a system without printers.
inline constexpr const char* NoPrinterText = "No printer is installed.";

}  // namespace orv
