// The named kernel objects the player creates and the editor and the hook
// library find by name, with the messages that end the player when one of
// them cannot be made.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace orv {

namespace KernelName {
inline constexpr const char* MasterTable = "OVBA1KGR";
inline constexpr const char* PlayerHandleBlock = "OVTT1KGR";
inline constexpr const char* CbtBlock = "OVKR1KGR";
inline constexpr const char* PlayerMarker = "ORNEX321Z";
inline constexpr const char* EditorMarker = "ORNED321Z";
inline constexpr const char* LibraryMutexA = "OV88aveR";
inline constexpr const char* LibraryMutexB = "OVKZaveR";
inline constexpr const char* RemapMutex = "OVQJaveR";
inline constexpr const char* WaitTimer = "TavrolWaitTimer";
// Signalled while the keyboard hook is in place and has seen every modifier
// go up (a manual-reset event).
inline constexpr const char* ModifiersUp = "TavrolModifiersUp";
// The same for one modifier key (a key code of ModifierKeys): the user let go
// of it.
inline std::string ModifierKeyUp(std::uint8_t vk) {
    constexpr char hex[] = "0123456789ABCDEF";
    return std::string(ModifiersUp) + hex[vk >> 4] + hex[vk & 15];
}
}  // namespace KernelName

constexpr DWORD PlayerHandleBlockSize = 104;
constexpr DWORD CbtBlockSize = 17;
constexpr DWORD MarkerSize = 10;
constexpr std::size_t SwapTableAt = 8;
constexpr std::size_t SwapTableSize = 93;

namespace KernelMessage {
inline constexpr const char* Caption = "System Error";
inline constexpr const char* MappingNotCreated =
    "Memory Mapped File could not be created.  Orvane will terminate.";
inline constexpr const char* MappingNotMapped =
    "Memory Mapped File could not be mapped.  Orvane will terminate.";
inline constexpr const char* MutexNotCreated =
    "Mutex could not be created.  Orvane will terminate.";
}  // namespace KernelMessage

// A handle closed with its owner.
class KernelHandle {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : handle_(h) {}
    KernelHandle(KernelHandle&& other) noexcept : handle_(other.Release()) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept;
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { Reset(); }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    HANDLE Release();
    void Reset();

  private:
    HANDLE handle_ = nullptr;
};

// The player's program body: the master table's mapping (never mapped by the
// player itself). Null, after the message, when it cannot be created.
KernelHandle CreateMasterTable();
// The three mutexes, not owned, in their order; false after the message.
bool CreatePlayerMutexes(std::array<KernelHandle, 3>& mutexes);

// A named page-file mapping and its view.
class SharedBlock {
  public:
    SharedBlock() = default;
    SharedBlock(SharedBlock&&) = default;
    SharedBlock& operator=(SharedBlock&&) = default;
    ~SharedBlock() { Close(); }

    // Creates and maps the block for writing; on failure shows the message
    // and returns false (the player then ends).
    bool Create(const char* name, DWORD size);
    // Opens an existing block for writing; false, silently, when it is not
    // there or cannot be mapped.
    bool OpenForWriting(const char* name, DWORD size);
    void Close();

    std::uint8_t* View() const { return view_; }

  private:
    KernelHandle mapping_;
    std::uint8_t* view_ = nullptr;
};

// Running markers: a 10-byte mapping whose existence means the program runs.
// AlreadyThere: another start holds it; NotMade: it could not be made (not
// reported).
enum class MarkerResult { Created, AlreadyThere, NotMade };
MarkerResult CreateRunningMarker(const char* name, KernelHandle& marker);
bool RunningMarkerExists(const char* name);

// The editor's hand-over of the key-remap table to the running player: under
// the remap mutex (waited for up to 500 ms), into the player's block. False,
// silently, when the mutex or the block cannot be reached.
bool WriteSwapTableToPlayer(std::span<const std::uint8_t, SwapTableSize> table);
// The table the player's remap hook reads, the same way; false, with table
// untouched, when it cannot be reached.
bool ReadSwapTableFromPlayer(std::span<std::uint8_t, SwapTableSize> table);

// The semaphore a timed wait of a running macro sleeps on: nothing releases
// it, so a wait on it lasts its whole time-out.
KernelHandle CreateWaitTimer();

}  // namespace orv
