#include "common/win32/kernel_objects.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/support/scripted_message_boxes.h"

namespace orv {
namespace {

using testing::ScriptedMessageBoxes;

std::array<std::uint8_t, SwapTableSize> Pattern(std::uint8_t first) {
    std::array<std::uint8_t, SwapTableSize> t;
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = static_cast<std::uint8_t>(first + k);
    return t;
}

TEST(SharedBlocks, EditorWritesTheRemapTableIntoThePlayersBlock) {
    std::array<std::uint8_t, SwapTableSize> table = Pattern(1);
    EXPECT_FALSE(WriteSwapTableToPlayer(table)) << "no player running";

    SharedBlock player;
    ASSERT_TRUE(player.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
    for (DWORD k = 0; k < PlayerHandleBlockSize; ++k) ASSERT_EQ(player.View()[k], 0) << k;
    EXPECT_FALSE(WriteSwapTableToPlayer(table)) << "no mutex yet";

    std::array<KernelHandle, 3> mutexes;
    ASSERT_TRUE(CreatePlayerMutexes(mutexes));
    ASSERT_TRUE(WriteSwapTableToPlayer(table));
    EXPECT_EQ(player.View()[SwapTableAt], 1);
    EXPECT_EQ(player.View()[SwapTableAt + 92], 93);
    EXPECT_EQ(player.View()[SwapTableAt + 93], 0) << "+103 untouched";

    // A mutex held elsewhere delays the write by its 500 ms but does not stop it.
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HANDLE m = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, KernelName::RemapMutex);
        WaitForSingleObject(m, INFINITE);
        SetEvent(ready);
        WaitForSingleObject(done, 20000);
        ReleaseMutex(m);
        CloseHandle(m);
    });
    ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);
    EXPECT_TRUE(WriteSwapTableToPlayer(Pattern(100)));
    SetEvent(done);
    holder.join();
    EXPECT_EQ(player.View()[SwapTableAt], 100);
    CloseHandle(ready);
    CloseHandle(done);

    SharedBlock editor;
    ASSERT_TRUE(editor.OpenForWriting(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
    editor.View()[0] = 0x5A;
    EXPECT_EQ(player.View()[0], 0x5A) << "one block, two views";
}

TEST(SharedBlocks, NamesTakenByAnotherKindOfObjectEndThePlayer) {
    ScriptedMessageBoxes boxes;
    KernelHandle squatter(CreateMutexA(nullptr, FALSE, KernelName::CbtBlock));
    boxes.Expect(KernelMessage::MappingNotCreated, MsgResult::Ok, "System Error");
    SharedBlock cbt;
    EXPECT_FALSE(cbt.Create(KernelName::CbtBlock, CbtBlockSize));
    EXPECT_EQ(cbt.View(), nullptr);

    SharedBlock mapping;
    ASSERT_TRUE(mapping.Create(KernelName::LibraryMutexB, 4));
    boxes.Expect(KernelMessage::MutexNotCreated, MsgResult::Ok, "System Error");
    std::array<KernelHandle, 3> mutexes;
    EXPECT_FALSE(CreatePlayerMutexes(mutexes));
}

TEST(RunningMarkers, ExistOnlyWhileTheirHandleIsOpen) {
    EXPECT_FALSE(RunningMarkerExists(KernelName::EditorMarker));
    {
        KernelHandle marker;
        ASSERT_EQ(CreateRunningMarker(KernelName::EditorMarker, marker), MarkerResult::Created);
        EXPECT_TRUE(RunningMarkerExists(KernelName::EditorMarker));
        // A start at the same moment learns it in the same step.
        KernelHandle second;
        EXPECT_EQ(CreateRunningMarker(KernelName::EditorMarker, second),
                  MarkerResult::AlreadyThere);
        EXPECT_FALSE(second);
    }
    EXPECT_FALSE(RunningMarkerExists(KernelName::EditorMarker));
}

TEST(WaitTimer, NothingReleasesItSoAWaitLastsItsTimeOut) {
    KernelHandle timer = CreateWaitTimer();
    ASSERT_TRUE(timer);
    EXPECT_EQ(WaitForSingleObject(timer.Get(), 50), WAIT_TIMEOUT);
}

}  // namespace
}  // namespace orv
