#include "common/hook_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "common/hook_library.h"
#include "common/hotkeys.h"
#include "common/macro_record.h"

namespace orv {
namespace {

std::unique_ptr<HookTable> Filled(std::uint8_t value) {
    auto t = std::make_unique<HookTable>();
    t->Bytes.fill(value);
    return t;
}

TEST(HookTableLayout, EntriesSitAtTheirOffsets) {
    auto t = std::make_unique<HookTable>();
    for (std::uint8_t b : t->Bytes) ASSERT_EQ(b, 0) << "a new table is zeroed";
    t->SetEntry(3, {.Kind = 4});
    t->SetEntry(2, {.ScopeText = "A window title longer than twenty", .Activation = 0x0105});
    t->SetEntry(500, {.Enabled = true});
    t->SetEntry(4, {.ScopeMatch = 1});
    t->SetMacroCount(500);
    EXPECT_EQ(t->Bytes[816 + 4], 4);
    EXPECT_EQ(t->Bytes[1816 + 21], 20);
    EXPECT_EQ(t->Bytes[1816 + 21 + 1], 'A');
    EXPECT_EQ(t->Bytes[1816 + 21 + 20], 'e');
    EXPECT_EQ(t->Bytes[1816 + 42], 0);
    EXPECT_EQ(t->Bytes[12316 + 499], 1);
    EXPECT_EQ(t->Bytes[12816 + 2], 0x05);
    EXPECT_EQ(t->Bytes[12816 + 3], 0x01);
    EXPECT_EQ(t->Bytes[13816 + 3], 1);
    EXPECT_EQ(t->Bytes[14316], 0xF4);
    EXPECT_EQ(t->Bytes[14317], 0x01);
    EXPECT_EQ(t->Entry(2), (MacroEntry{0, "A window title longe", false, 0x0105, 0}));
}

// Numbers and counts from shared memory can be anything: none reaches outside
// the per-macro tables.
TEST(HookTableLayout, MacroNumbersOutsideTheTableReachNothing) {
    auto t = Filled(0x5A);
    const auto before = t->Bytes;
    for (int i : {0, -1, 501, 70000}) {
        t->SetEntry(i, {.Kind = 1, .ScopeText = "x"});
        EXPECT_EQ(t->Entry(i), MacroEntry{}) << i;
    }
    EXPECT_EQ(t->Bytes, before);
    for (auto [count, entries] : {std::pair{-3, 0}, {0, 0}, {7, 7}, {500, 500}, {501, 500}}) {
        t->SetMacroCount(count);
        EXPECT_EQ(t->EntryCount(), entries) << count;
    }
}

// Bytes each section carries; the per-macro section for one macro.
TEST(HookTableSections, EachSectionCopiesExactlyItsFields) {
    const std::size_t expected[HookSectionCount] = {30, 1,   1,    4,  4, 4, 10, 27,
                                                    4,  251, 5204, 15, 5, 4, 722};
    std::set<std::size_t> seen;
    auto from = Filled(0x7F);
    for (int s = 0; s < HookSectionCount; ++s) {
        for (int item : {1, 500}) {
            if (item == 500 && s != 7)
                continue;
            auto to = Filled(0);
            CopySection(from->Bytes, to->Bytes, static_cast<HookSection>(s), item);
            std::size_t changed = 0;
            for (std::size_t k = 0; k < HookTable::Size; ++k) {
                if (to->Bytes[k] == 0)
                    continue;
                ++changed;
                EXPECT_TRUE(seen.insert(k).second) << "byte " << k << " in two sections";
            }
            EXPECT_EQ(changed, expected[s]) << "section " << s;
        }
    }
    for (std::size_t k : {0u, 4u, 17u, 737u, 738u, 739u, 799u, 14322u, 14585u, 19788u})
        EXPECT_TRUE(seen.contains(k)) << k;
    EXPECT_FALSE(seen.contains(812)) << "never handed over";
    EXPECT_FALSE(seen.contains(14580)) << "never handed over";
}

TEST(HookTableSections, TextFieldsAreClampedWhenCopied) {
    auto from = Filled(0);
    from->Bytes[HookAt::ScopeTexts] = 200;
    from->Bytes[HookAt::Programs + 26 * 199] = 99;
    auto to = Filled(0);
    CopySection(from->Bytes, to->Bytes, HookSection::Item, 1);
    CopySection(from->Bytes, to->Bytes, HookSection::Progs);
    EXPECT_EQ(to->Bytes[HookAt::ScopeTexts], 20);
    EXPECT_EQ(to->Bytes[HookAt::Programs + 26 * 199], 25);
}

TEST(HookTableSections, CopyBackTouchesOnlyWhatWasAskedFor) {
    MemoryHookLibrary library;
    library.Master.Bytes.fill(0x11);
    auto own = Filled(0x22);
    RefreshFromHookLibrary(library, *own, 7, 2);
    EXPECT_EQ(own->Entry(2).Kind, 0x1111);
    EXPECT_EQ(own->Entry(1).Kind, 0x2222) << "only the asked-for macro";
    EXPECT_EQ(own->Entry(3).Kind, 0x2222);
    RefreshFromHookLibrary(library, *own, 7, 0);
    RefreshFromHookLibrary(library, *own, 7, 501);
    EXPECT_EQ(own->Entry(1).Kind, 0x2222);

    auto before = std::make_unique<HookTable>(*own);
    RefreshFromHookLibrary(library, *own, 15);
    RefreshFromHookLibrary(library, *own, -1);
    EXPECT_EQ(own->Bytes, before->Bytes);

    RefreshFromHookLibrary(library, *own, 11);
    EXPECT_EQ(own->U32(HookAt::OwnScratch812), 0u);
    EXPECT_EQ(own->U8(HookAt::LibraryFlag4), 0x11);
    EXPECT_EQ(own->U16(743), 0x1111);

    own->SetU32(HookAt::SecondWindow, 1234);
    own->SetU8(HookAt::SecondWindowOn, 1);
    library.HandOver(HookSection::Window2, *own);
    EXPECT_EQ(library.Master.U32(HookAt::SecondWindow), 1234u);
    EXPECT_EQ(library.Master.U32(HookAt::PlayerWindow), 0x11111111u);
}

struct CountedNotices final : ProgramNotices {
    void Post(int code, int argument) override { posted.emplace_back(code, argument); }
    std::vector<std::pair<int, int>> posted;
};

TEST(HookTableSections, NewProgramCopiesEverySectionAndTheLoadedEntries) {
    MemoryHookLibrary library;
    library.Master.Bytes.fill(0x33);
    library.Master.SetMacroCount(3);
    auto own = Filled(0);
    own->SetU32(HookAt::OwnScratch812, 99);
    RefreshEverythingFromHookLibrary(library, *own);
    EXPECT_EQ(own->MacroCount(), 3);
    EXPECT_EQ(own->U32(HookAt::PlayerWindow), 0x33333333u);
    EXPECT_EQ(own->U8(HookAt::CodeUsed + 720), 0x33);
    EXPECT_EQ(own->Entry(3).Kind, 0x3333);
    EXPECT_EQ(own->Entry(4).Kind, 0) << "no entry beyond the count";
    EXPECT_EQ(own->U32(HookAt::OwnScratch812), 0u);
    EXPECT_EQ(own->U8(HookAt::IdleFired), 0) << "never handed over";
}

TEST(HookTableSections, WindowsToNotifyAreHandedOverAndTold) {
    MemoryHookLibrary library;
    CountedNotices notices;
    auto own = Filled(0);
    SetSecWind(*own, library, notices, 0x1234, true);
    SetCapWind(*own, library, notices, 0x5678, false);
    EXPECT_EQ(library.Master.U32(HookAt::SecondWindow), 0x1234u);
    EXPECT_EQ(library.Master.U8(HookAt::SecondWindowOn), 1);
    EXPECT_EQ(library.Master.U32(HookAt::CaptureWindow), 0x5678u);
    EXPECT_EQ(library.Master.U8(HookAt::CaptureWindowOn), 0);
    own->SetMacroCount(12);
    UpNumKeys(*own, library, notices);
    EXPECT_EQ(library.Master.MacroCount(), 12);
    EXPECT_EQ(notices.posted, (std::vector<std::pair<int, int>>{{6, 6}, {6, 6}, {6, 8}}));
}

TEST(HookTableSections, HotKeysInUseAreTheEnabledHotKeyMacrosOnly) {
    MemoryHookLibrary library;
    CountedNotices notices;
    auto own = Filled(0);
    own->SetMacroCount(4);
    own->SetEntry(1, {MacroKind::Global, "", true, 65});
    own->SetEntry(2, {MacroKind::Global, "", false, 66});  // disabled
    own->SetEntry(3, {MacroKind::Global, "", true, ActivationCode::Scheduled});
    own->SetEntry(4, {MacroKind::Global, "", true, ActivationCode::Cueword});
    own->SetU8(HookAt::CodeUsed + 70, 1);  // left from an earlier library
    PushHotKeys(*own, library, notices);
    for (int code : {65, 66, 70})
        EXPECT_EQ(library.Master.U8(HookAt::CodeUsed + code), code == 65 ? 1 : 0) << code;
    EXPECT_EQ(library.Master.U8(HookAt::CuewordsExist), 1);
    EXPECT_EQ(notices.posted, (std::vector<std::pair<int, int>>{{6, 14}}));

    own->SetMacroCount(3);
    PushHotKeys(*own, library, notices);
    EXPECT_EQ(library.Master.U8(HookAt::CuewordsExist), 0);
}

}  // namespace
}  // namespace orv
