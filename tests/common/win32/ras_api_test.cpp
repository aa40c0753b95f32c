// The dial-up binding's own rules over stand-ins for the library's calls:
// the entry list's one retry with the room asked for, and the password only
// when the library says one is stored.
#include "common/win32/ras_api.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orv {
namespace {

int enumCalls = 0;

DWORD WINAPI TwoEntriesAfterAskingForRoom(const char*, const char*, RasEntryNameRecord* entries,
                                          DWORD* bytes, DWORD* count) {
    ++enumCalls;
    if (entries[0].Size != sizeof(RasEntryNameRecord))
        return 632;  // wrong record size
    if (*bytes < 2 * sizeof(RasEntryNameRecord)) {
        *bytes = 2 * sizeof(RasEntryNameRecord);
        return RasError::BufferTooSmall;
    }
    std::strcpy(entries[0].EntryName, "Office");
    std::strcpy(entries[1].EntryName, "Home");
    *count = 2;
    return 0;
}

DWORD WINAPI AlwaysTooSmall(const char*, const char*, RasEntryNameRecord*, DWORD* bytes, DWORD*) {
    ++enumCalls;
    *bytes *= 2;
    return RasError::BufferTooSmall;
}

// Answers success and leaves the password flag as it found it.
DWORD WINAPI ParamsWithoutFlag(const char*, RasDialParamsRecord* params, BOOL*) {
    if (params->Size != 1052 || std::strcmp(params->EntryName, "Office") != 0)
        return 623;
    std::strcpy(params->UserName, "me");
    std::strcpy(params->Password, "secret");
    return 0;
}

DWORD WINAPI ParamsWithPassword(const char* book, RasDialParamsRecord* params, BOOL* password) {
    *password = TRUE;
    return ParamsWithoutFlag(book, params, password);
}

TEST(RasApiTest, AMissingLibraryBindsNothing) {
    const RasApi ras("orvane-no-such-ras.dll");
    EXPECT_FALSE(ras.Loaded());
    EXPECT_EQ(ras.EnumEntriesCall, nullptr);
    EXPECT_EQ(ras.ValidateEntryName, nullptr);
    EXPECT_TRUE(ras.EnumEntries().empty());
    EXPECT_FALSE(ras.GetDialParams("Office").has_value());
}

TEST(RasApiTest, EntriesAreListedAfterOneRetryWithTheRoomAskedFor) {
    RasApi ras("orvane-no-such-ras.dll");
    ras.EnumEntriesCall = TwoEntriesAfterAskingForRoom;
    enumCalls = 0;
    EXPECT_EQ(ras.EnumEntries(), (std::vector<std::string>{"Office", "Home"}));
    EXPECT_EQ(enumCalls, 2);

    ras.EnumEntriesCall = AlwaysTooSmall;
    enumCalls = 0;
    EXPECT_TRUE(ras.EnumEntries().empty());
    EXPECT_EQ(enumCalls, 2);
}

TEST(RasApiTest, ThePasswordOnlyWhenOneIsStored) {
    RasApi ras("orvane-no-such-ras.dll");
    ras.GetEntryDialParams = ParamsWithoutFlag;
    auto params = ras.GetDialParams("Office");
    ASSERT_TRUE(params.has_value());
    EXPECT_EQ(params->UserName, "me");
    EXPECT_FALSE(params->Password.has_value());
    ras.GetEntryDialParams = ParamsWithPassword;
    params = ras.GetDialParams("Office");
    ASSERT_TRUE(params.has_value());
    EXPECT_EQ(params->Password, "secret");
    EXPECT_FALSE(ras.GetDialParams("Gone").has_value());
}

}  // namespace
}  // namespace orv
