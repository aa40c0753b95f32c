#include "common/script/records.h"

#include <utility>

namespace orv {
namespace {

// The record kinds of the catalogue name the alternatives in their order.
template <RecordKind Kind, typename Rec>
constexpr bool KindIs =
    std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(Kind), CommandRecord>, Rec>;

using K = RecordKind;
static_assert(std::variant_size_v<CommandRecord> == static_cast<std::size_t>(K::Encrypted) + 1);
static_assert(KindIs<K::Text, TextRec> && KindIs<K::DateTime, DateTimeRec> &&
              KindIs<K::Delay, DelayRec> && KindIs<K::Pause, PauseRec> &&
              KindIs<K::Repeat, RepeatRec> && KindIs<K::Speed, SpeedRec> &&
              KindIs<K::Launch, LaunchRec> && KindIs<K::Sound, SoundRec> &&
              KindIs<K::String, StringRec> && KindIs<K::SizePos, SizePosRec> &&
              KindIs<K::Window, WindowRec> && KindIs<K::Mouse, MouseRec> &&
              KindIs<K::Clipboard, ClipboardRec> && KindIs<K::ModifierKey, ModifierKeyRec> &&
              KindIs<K::File, FileRec> && KindIs<K::MacroRef, MacroRefRec> &&
              KindIs<K::Network, NetworkRec> && KindIs<K::WText, WTextRec> &&
              KindIs<K::Video, VideoRec> && KindIs<K::Cd, CdRec> &&
              KindIs<K::Desktop, DesktopRec> && KindIs<K::DisplaySize, DisplaySizeRec> &&
              KindIs<K::System, SystemRec> && KindIs<K::Volume, VolumeRec> &&
              KindIs<K::Wait, WaitRec> && KindIs<K::DialUp, DialUpRec> &&
              KindIs<K::Email, EmailRec> && KindIs<K::Encrypted, EncryptedRec>);

// A default record of each alternative, by its index.
template <std::size_t... Index>
CommandRecord DefaultRecord(std::size_t index, std::index_sequence<Index...>) {
    static const CommandRecord defaults[] = {CommandRecord(std::in_place_index<Index>)...};
    return defaults[index];
}

}  // namespace

CommandRecord NewRecord(CommandCode code) {
    return DefaultRecord(static_cast<std::size_t>(RecordKindOf(code)),
                         std::make_index_sequence<std::variant_size_v<CommandRecord>>());
}

bool IsRecordOf(CommandCode code, const CommandRecord& record) {
    return code != CommandCode::None &&
           static_cast<std::size_t>(RecordKindOf(code)) == record.index();
}

}  // namespace orv
