#include "mail/win32/win32_mail_host.h"

#include <utility>

#include "mail/win32/email_prompt.h"
#include "mail/win32/email_status.h"

namespace orv::player {

TextCharset SystemTextCharset() {
    const UINT codePage = GetACP();
    TextCharset charset{CharsetNameOfCodePage(codePage), {}};
    for (unsigned b = 128; b < 256; ++b)
        charset.LeadBytes[b] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != FALSE;
    return charset;
}

Win32MailHost::Win32MailHost(MailDesk desk) : desk_(std::move(desk)) {
    socket_.CancelWhen(desk_.Aborted);
    SetCurrentTextCharset(SystemTextCharset());
}

Win32MailHost::~Win32MailHost() {
    SetCurrentTextCharset({});
}

bool Win32MailHost::WinsockPresent() {
    return player::WinsockPresent();
}

std::optional<std::string> Win32MailHost::ClipboardText() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            // The clipboard's block may be larger than its text, never
            // shorter: read up to the end of the text within the block.
            const SIZE_T size = GlobalSize(data);
            SIZE_T length = 0;
            while (length < size && chars[length] != '\0') ++length;
            text.emplace(chars, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::optional<EmailPromptAnswers> Win32MailHost::GetTheEMail(int mode) {
    TDoTheEmail prompt;
    prompt.Mode = mode;
    prompt.RecipientFile = desk_.RecipientFile ? desk_.RecipientFile() : "";
    if (desk_.ShowModal)
        desk_.ShowModal(prompt);
    else
        prompt.ShowModal();
    if (prompt.Aborted)
        return std::nullopt;
    return prompt.Results;
}

void Win32MailHost::ShowStatus(std::string_view caption) {
    status_ = std::make_unique<TEMailStatus>();
    status_->Open(caption);
}

void Win32MailHost::SetStatus(std::string_view text) {
    if (status_)
        status_->SetStatusText(text);
}

void Win32MailHost::CloseStatus() {
    if (status_)
        status_->Close();
    status_.reset();
}

void Win32MailHost::DoAMessage(std::string_view caption, std::string_view text) {
    desk_.DoAMessage(caption, text);
}

void Win32MailHost::ShowTextBox(std::string_view caption, std::string_view text) {
    desk_.MyMessage(caption, text);
}

}  // namespace orv::player
