#include "tests/support/ui/recorded_printer.h"

namespace orv::testing {

class RecordedDocument final : public PrintDocument {
  public:
    explicit RecordedDocument(RecordedPrinter& printer) : printer_(printer) {
        printer_.open_ = true;
    }
    ~RecordedDocument() override { printer_.open_ = false; }
    int PageWidth() const override { return printer_.PageWidth; }
    int PageHeight() const override { return printer_.PageHeight; }
    void SetFont(const FontDescription& font) override { Document().Fonts.push_back(font); }
    int TextWidth(std::string_view text) override {
        return RecordedPrinter::CharWidth * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view) override { return RecordedPrinter::LineHeight; }
    void PrintText(int x, int y, std::string_view text) override {
        Document().Pages.back().push_back({x, y, std::string(text)});
    }
    void NewPage() override { Document().Pages.emplace_back(); }
    void End() override { Document().Ended = true; }

  private:
    PrintedDocument& Document() { return printer_.Documents.back(); }
    RecordedPrinter& printer_;
};

RecordedPrinter::RecordedPrinter() : previous_(&CurrentPrintService()) {
    SetCurrentPrintService(this);
}

RecordedPrinter::~RecordedPrinter() {
    SetCurrentPrintService(previous_);
}

std::optional<PrintChoice> RecordedPrinter::ShowPrintDialog(HWND) {
    std::optional<int> copies = answers_.Next();
    if (!copies)
        return std::nullopt;
    return PrintChoice{*copies};
}

std::unique_ptr<PrintDocument> RecordedPrinter::BeginDoc(std::string_view title) {
    if (open_) {
        ADD_FAILURE() << "a document begun while another is open";
        return nullptr;
    }
    Documents.emplace_back().Title = title;
    return std::make_unique<RecordedDocument>(*this);
}

}  // namespace orv::testing
