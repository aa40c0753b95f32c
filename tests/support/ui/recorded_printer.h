// A printer that keeps what was printed on it, page by page, with the print
// dialog answered by script. Text is measured at a fixed pitch so positions
// can be checked exactly.
#pragma once

#include <string>
#include <vector>

#include "common/ui/win32/print_service.h"
#include "tests/support/ui/scripted_answers.h"

namespace orv::testing {

struct PrintedText {
    int X = 0;
    int Y = 0;
    std::string Text;
    bool operator==(const PrintedText&) const = default;
};

struct PrintedDocument {
    std::string Title;
    std::vector<std::vector<PrintedText>> Pages{{}};
    std::vector<FontDescription> Fonts;
    bool Ended = false;
};

class RecordedPrinter final : public PrintService {
  public:
    static constexpr int CharWidth = 10;
    static constexpr int LineHeight = 20;

    RecordedPrinter();
    ~RecordedPrinter() override;
    // The print dialog's next answer: the copies, or nothing for Cancel.
    void ExpectPrintDialog(std::optional<int> copies) { answers_.Add(copies); }

    int PageWidth = 2400;
    int PageHeight = 3300;
    // Another program's job keeps the printer busy.
    bool BusyElsewhere = false;
    int SetupsShown = 0;
    std::vector<PrintedDocument> Documents;

    bool Printing() const override { return BusyElsewhere || open_; }
    std::optional<PrintChoice> ShowPrintDialog(HWND owner) override;
    void ShowPrinterSetup(HWND) override { ++SetupsShown; }
    std::unique_ptr<PrintDocument> BeginDoc(std::string_view title) override;

  private:
    friend class RecordedDocument;
    ScriptedAnswers<int> answers_{"print dialog"};
    bool open_ = false;
    PrintService* previous_;
};

}  // namespace orv::testing
