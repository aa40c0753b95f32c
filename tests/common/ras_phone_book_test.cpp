// The phone book's rules over a stand-in for the dial-up library: one retry
// with the room asked for, the password only when the library says one is
// stored, and the records' exact sizes (asserted where they are declared).
#include "common/ras_phone_book.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orv {
namespace {

// Answers each call with the next of its answers; on success it writes the
// names, on 603 it asks for room for them all.
struct ScriptedListing {
    std::vector<std::uint32_t> Answers;
    std::vector<std::string> Names;
    std::vector<std::uint32_t> RoomGiven;
    std::uint32_t operator()(RasEntryNameRecord* entries, std::uint32_t& bytes,
                             std::uint32_t& count) {
        RoomGiven.push_back(bytes);
        EXPECT_EQ(entries[0].Size, sizeof(RasEntryNameRecord));
        std::uint32_t answer = Answers.at(RoomGiven.size() - 1);
        if (answer == RasError::BufferTooSmall)
            bytes = static_cast<std::uint32_t>(Names.size() * sizeof(RasEntryNameRecord));
        if (answer == 0) {
            for (std::size_t i = 0; i < Names.size(); ++i)
                std::strcpy(entries[i].EntryName, Names[i].c_str());
            count = static_cast<std::uint32_t>(Names.size());
        }
        return answer;
    }
};

TEST(RasPhoneBook, EntriesAfterOneRetryWithTheRoomAskedFor) {
    using Names = std::vector<std::string>;
    const Names two{"Office", "Home"};
    struct Row {
        std::vector<std::uint32_t> Answers;
        Names Stored;
        Names Expected;
    };
    const Row rows[] = {
        {{RasError::BufferTooSmall, 0}, two, two},
        {{0}, {"Office"}, {"Office"}},
        {{0}, {}, {}},
        {{RasError::BufferTooSmall, RasError::BufferTooSmall}, two, {}},
        {{RasError::BufferTooSmall, 632}, two, {}},
        {{632}, two, {}},
    };
    for (const Row& row : rows) {
        ScriptedListing listing{row.Answers, row.Stored};
        EXPECT_EQ(ListPhoneBookEntries(std::ref(listing)), row.Expected);
        EXPECT_EQ(listing.RoomGiven.size(), row.Answers.size());
        EXPECT_EQ(listing.RoomGiven[0], 264u);
        if (row.Answers.size() == 2) {  // the room asked for, and a record to spare
            EXPECT_EQ(listing.RoomGiven[1], 3 * 264u);
        }
    }
}

TEST(RasPhoneBook, ThePasswordOnlyWhenOneIsStored) {
    // A library that answers success and leaves the flag as it found it.
    bool writesFlag = false;
    std::uint32_t answer = 0;
    auto call = [&](RasDialParamsRecord& params, bool& stored) {
        EXPECT_EQ(params.Size, 1052u);
        EXPECT_FALSE(stored);
        EXPECT_STREQ(params.EntryName, "Office");
        std::strcpy(params.UserName, "me");
        std::strcpy(params.Password, "secret");
        if (writesFlag)
            stored = true;
        return answer;
    };
    auto logon = ReadStoredLogon(call, "Office");
    ASSERT_TRUE(logon);
    EXPECT_EQ(logon->UserName, "me");
    EXPECT_FALSE(logon->Password);
    writesFlag = true;
    EXPECT_EQ(ReadStoredLogon(call, "Office")->Password, "secret");
    answer = 623;
    EXPECT_FALSE(ReadStoredLogon(call, "Office"));
}

}  // namespace
}  // namespace orv
