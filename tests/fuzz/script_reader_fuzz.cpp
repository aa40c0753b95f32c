// The script reader on arbitrary bytes: it must never crash or read past the
// end, must keep what it does not recognise as text, must give back the same
// bytes when its lines are written unchanged, and what it reads must be
// writable from its records to a text that reads the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/script/reader.h"
#include "common/script/writer.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    std::vector<orv::CommandLine> lines = orv::ReadScript(script);

    for (const orv::CommandLine& line : lines) {
        Check(line.Code != orv::CommandCode::None);
        Check(orv::IsRecordOf(line.Code, line.Record));
        if (auto* text = std::get_if<orv::TextRec>(&line.Record)) {
            Check(!text->Text.empty() && script.find(text->Text) != std::string_view::npos);
        }
    }
    if (script.find('<') == std::string_view::npos) {
        Check(lines.size() == (script.empty() ? 0u : 1u));
    }

    // Read and written unchanged, any script comes back byte for byte and is
    // never refused.
    orv::ScriptTextResult untouched = orv::ComposeScript(lines);
    Check(untouched.Ok() && untouched.Text == script);

    // Composed from their records, as dialogs give them, the lines may be
    // refused only at a text that would take in the line after it, or at a
    // pause message beyond the dialog's room; what is written reads the same
    // again.
    for (orv::CommandLine& line : lines) line.Source.clear();
    orv::ScriptTextResult first = orv::ComposeScript(lines);
    if (!first.Ok()) {
        orv::CommandCode refused = lines[first.FailedLine].Code;
        Check(refused == orv::CommandCode::Text || refused == orv::CommandCode::Pause);
        return 0;
    }
    orv::ScriptTextResult second = orv::ComposeScript(orv::ReadScript(first.Text));
    Check(second.Ok() && second.Text == first.Text);
    return 0;
}
