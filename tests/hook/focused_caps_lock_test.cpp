#include "common/focused_caps_lock.h"

#include <gtest/gtest.h>

#include <map>

namespace orv {
namespace {

// Threads as the system keeps them: each has the key state of the key
// messages it read; attached to another, it sees that one's.
struct FakeThreads final : ThreadKeyState {
    std::uint32_t FocusedThread() override { return focused; }
    std::uint32_t ThisThread() override { return self; }
    bool Attach(std::uint32_t other, bool on) override {
        ++attachCalls;
        if (refuse)
            return false;
        attachedTo = on ? other : 0;
        return true;
    }
    bool CapsLockToggled() override { return capsLock[attachedTo != 0 ? attachedTo : self]; }

    std::uint32_t self = 1, focused = 0, attachedTo = 0;
    std::map<std::uint32_t, bool> capsLock;
    bool refuse = false;
    int attachCalls = 0;
};

TEST(FocusedCapsLock, IsReadFromTheFocusedThreadsKeyStateNeverFromAStaleOne) {
    struct Row {
        const char* what;
        std::uint32_t focused;
        bool refuse;
        bool expected;
        int attachCalls;
    } rows[] = {
        // Thread 1 (ours) never read the Caps Lock press: its state says off.
        {"another thread has the focus", 2, false, true, 2},
        {"this thread has the focus", 1, false, false, 0},
        {"nothing has the focus", 0, false, false, 0},
        {"the system refuses the attachment", 2, true, false, 1},
    };
    for (const Row& row : rows) {
        FakeThreads threads;
        threads.capsLock = {{1, false}, {2, true}};
        threads.focused = row.focused;
        threads.refuse = row.refuse;
        EXPECT_EQ(FocusedCapsLockOn(threads), row.expected) << row.what;
        EXPECT_EQ(threads.attachCalls, row.attachCalls) << row.what;
        EXPECT_EQ(threads.attachedTo, 0u) << row.what << ": left attached";
    }
}

}  // namespace
}  // namespace orv
