#include "editor/commands/sound_web_commands.h"

#include "common/string_routines.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr std::string_view WebScheme = "http://";

}  // namespace

SoundOutcome ComposeSound(const SoundInput& input, const FileChecks& files) {
    SoundOutcome out;
    if (!input.WaveFile) {
        out.OptionCode = 1;
        out.Compose(C::SoundBeep, SoundRec{}, SoundField::ProgPath);
        return out;
    }
    out.OptionCode = 2;
    std::optional<std::string> path = WaveToTest(input.Path, files);
    if (!path) {
        out.Refuse(std::string(WaveMissingMessage), SoundField::ProgPath);
        return out;
    }
    // Written as typed, not in its short form.
    SoundRec record{2, *path, static_cast<std::uint8_t>(input.WaitFor)};
    out.Compose(C::SoundWaveFile, record, SoundField::ProgPath);
    if (out.Accepted())
        out.Raw = {*path, record.Wait};
    return out;
}

template <>
SoundInput InputFromRecord<SoundInput>(CommandCode code, const CommandRecord& record) {
    const SoundRec* r = std::get_if<SoundRec>(&record);
    if (!r || code != C::SoundWaveFile)
        return {};
    return {true, r->File.str(), r->Wait != 0};
}

std::optional<std::string> WaveToTest(std::string_view path, const FileChecks& files) {
    std::string trimmed = EditText(path);
    if (!files.ExistingFile(trimmed))
        return std::nullopt;
    return trimmed;
}

SoundInput AlarmInput(const SettingsBlock& settings) {
    return {settings.UseWaveFile, settings.WaveFile.str(), settings.WaveFileWait};
}

std::optional<Refusal<SoundField>> ApplyAlarm(const SoundInput& input, const FileChecks& files,
                                              SettingsBlock& settings) {
    if (!input.WaveFile) {
        settings.UseWaveFile = false;
        return std::nullopt;
    }
    std::optional<std::string> path = WaveToTest(input.Path, files);
    if (!path)
        return Refusal<SoundField>{std::string(WaveMissingMessage), SoundField::ProgPath};
    settings.UseWaveFile = true;
    settings.WaveFile = *path;
    settings.WaveFileWait = input.WaitFor;
    return std::nullopt;
}

WebOutcome ComposeWeb(const WebInput& input) {
    WebOutcome out;
    std::string address = EditText(input.Address);
    if (!input.IsFtp && UpperAscii(address.substr(0, 3)) == "WWW")
        address.insert(0, WebScheme);
    out.Compose(input.IsFtp ? C::WebFtp : C::WebSite, StringRec{address}, WebField::ProgPath);
    if (out.Accepted())
        out.Raw.Url = address;
    return out;
}

template <>
WebInput InputFromRecord<WebInput>(CommandCode code, const CommandRecord& record) {
    const StringRec* r = std::get_if<StringRec>(&record);
    return {code == C::WebFtp, r ? r->Text.str() : ""};
}

WebLayout WebLayoutFor(bool isFtp) {
    if (isFtp)
        return {"Internet FTP", "FTP URL", "ftp://"};
    return {"Internet Web Site", "Web Site URL", WebScheme};
}

}  // namespace orv::editor
