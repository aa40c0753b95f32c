#include <gtest/gtest.h>
#include "tests/support/win32/process.h"

#include <windows.h>

#include <memory>
#include <string>

#include "hook/client/hook_client.h"
#include "hook/ornhook.h"

namespace orv {
namespace {

// Runs the peer program beside this one and returns its exit code (-1 when
// it could not be started or did not end in time).
int RunPeer(const std::string& arguments) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    path = path.substr(0, path.find_last_of('\\') + 1) + "ornhook_peer.exe";
    std::string command = "\"" + path + "\" " + arguments;
    HANDLE process = testing::StartProcess(command);
    if (!process)
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, 1);
    CloseHandle(process);
    return static_cast<int>(code);
}

TEST(HookLibraryAcrossProcesses, TwoProcessesSeeOneMasterTable) {
    OrnHookLibrary hooks;
    auto mine = std::make_unique<HookTable>();
    hooks.GetGlob(*mine);  // opens the master table in this process too

    ASSERT_EQ(RunPeer("put 4242 17"), 0);
    auto seen = std::make_unique<HookTable>();
    hooks.GetGlob(*seen);
    EXPECT_EQ(seen->U32(HookAt::SecondWindow), 4242u);
    EXPECT_EQ(seen->U8(HookAt::SecondWindowOn), 1);
    EXPECT_EQ(seen->Entry(17).Kind, 4);
    EXPECT_EQ(seen->Entry(17).ScopeText, "from the peer");
    EXPECT_EQ(seen->Entry(16), mine->Entry(16)) << "only the entry handed over";

    mine->SetMacroCount(123);
    hooks.HandOver(HookSection::NumKeys, *mine);
    EXPECT_EQ(RunPeer("count"), 123);
}

// Every export hands over exactly the section the in-memory library copies.
TEST(HookLibraryExports, EachExportCarriesItsOwnSection) {
    OrnHookLibrary dll;
    MemoryHookLibrary memory;
    dll.GetGlob(memory.Master);
    auto source = std::make_unique<HookTable>();
    for (int s = 0; s < HookSectionCount; ++s) {
        source->Bytes.fill(static_cast<std::uint8_t>(0x40 + s));
        dll.HandOver(static_cast<HookSection>(s), *source, 9);
        memory.HandOver(static_cast<HookSection>(s), *source, 9);
        auto master = std::make_unique<HookTable>();
        dll.GetGlob(*master);
        ASSERT_EQ(master->Bytes, memory.Master.Bytes) << "section " << s;
    }
}

TEST(HookLibraryExports, ItemNumberIsTakenFromItsLowSixteenBits) {
    OrnHookLibrary dll;
    auto table = std::make_unique<HookTable>();
    table->SetEntry(3, {.Activation = 555});
    OrnUpItem(table->Bytes.data(), 0x00010003);
    auto master = std::make_unique<HookTable>();
    dll.GetGlob(*master);
    EXPECT_EQ(master->Entry(3).Activation, 555);
    table->SetEntry(1, {.Activation = 77});
    OrnUpItem(table->Bytes.data(), 0);  // no such macro: nothing copied
    OrnUpItem(table->Bytes.data(), 501);
    dll.GetGlob(*master);
    EXPECT_NE(master->Entry(1).Activation, 77);
}

TEST(HookLibraryExports, HooksGiveHandlesThatUnhook) {
    std::int32_t handles[] = {OrnHookKeyboard(), OrnHookMouse(), OrnHookCBT(), OrnHookSwap()};
    for (std::int32_t h : handles) {
        EXPECT_NE(h, 0);
        EXPECT_EQ(OrnUnHook(h), 1);
    }
    EXPECT_EQ(OrnUnHook(0), 0);
}

}  // namespace
}  // namespace orv
