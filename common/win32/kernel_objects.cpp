#include "common/win32/kernel_objects.h"

#include <cstring>
#include <functional>

#include "common/hook_table.h"
#include "common/message_boxes.h"

namespace orv {

namespace {

void Fatal(const char* text) {
    CurrentMessageBoxes().Show(KernelMessage::Caption, text, MsgStyle::Ok | MsgStyle::IconError);
}

HANDLE CreatePageMapping(const char* name, DWORD size) {
    return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
}

}  // namespace

KernelHandle& KernelHandle::operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        handle_ = other.Release();
    }
    return *this;
}

HANDLE KernelHandle::Release() {
    HANDLE h = handle_;
    handle_ = nullptr;
    return h;
}

void KernelHandle::Reset() {
    if (handle_)
        CloseHandle(handle_);
    handle_ = nullptr;
}

KernelHandle CreateMasterTable() {
    KernelHandle mapping(CreatePageMapping(KernelName::MasterTable, HookTable::Size));
    if (!mapping)
        Fatal(KernelMessage::MappingNotCreated);
    return mapping;
}

bool CreatePlayerMutexes(std::array<KernelHandle, 3>& mutexes) {
    const char* names[3] = {KernelName::LibraryMutexA, KernelName::LibraryMutexB,
                            KernelName::RemapMutex};
    for (int k = 0; k < 3; ++k) {
        mutexes[k] = KernelHandle(CreateMutexA(nullptr, FALSE, names[k]));
        if (!mutexes[k]) {
            Fatal(KernelMessage::MutexNotCreated);
            return false;
        }
    }
    return true;
}

bool SharedBlock::Create(const char* name, DWORD size) {
    Close();
    mapping_ = KernelHandle(CreatePageMapping(name, size));
    if (!mapping_) {
        Fatal(KernelMessage::MappingNotCreated);
        return false;
    }
    view_ = static_cast<std::uint8_t*>(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, size));
    if (!view_) {
        mapping_.Reset();
        Fatal(KernelMessage::MappingNotMapped);
        return false;
    }
    return true;
}

bool SharedBlock::OpenForWriting(const char* name, DWORD size) {
    Close();
    mapping_ = KernelHandle(OpenFileMappingA(FILE_MAP_WRITE, FALSE, name));
    if (mapping_)
        view_ =
            static_cast<std::uint8_t*>(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, size));
    if (!view_)
        mapping_.Reset();
    return view_ != nullptr;
}

void SharedBlock::Close() {
    if (view_)
        UnmapViewOfFile(view_);
    view_ = nullptr;
    mapping_.Reset();
}

MarkerResult CreateRunningMarker(const char* name, KernelHandle& marker) {
    KernelHandle mapping(CreatePageMapping(name, MarkerSize));
    if (!mapping)
        return MarkerResult::NotMade;
    // Asked in the same call that made it: of two starts at once, one is first.
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return MarkerResult::AlreadyThere;
    void* view = MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, MarkerSize);
    if (!view)
        return MarkerResult::NotMade;
    UnmapViewOfFile(view);
    marker = std::move(mapping);
    return MarkerResult::Created;
}

bool RunningMarkerExists(const char* name) {
    KernelHandle mapping(OpenFileMappingA(FILE_MAP_WRITE, FALSE, name));
    return static_cast<bool>(mapping);
}

namespace {

// One access to the table in the player's block, under the remap mutex.
bool WithPlayerSwapTable(const std::function<void(std::uint8_t* table)>& access) {
    KernelHandle mutex(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, KernelName::RemapMutex));
    if (!mutex)
        return false;
    // A time-out still goes ahead: the player writes the block without the mutex.
    DWORD waited = WaitForSingleObject(mutex.Get(), 500);
    if (waited == WAIT_FAILED)
        return false;
    SharedBlock block;
    bool reached = block.OpenForWriting(KernelName::PlayerHandleBlock, PlayerHandleBlockSize);
    if (reached)
        access(block.View() + SwapTableAt);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        ReleaseMutex(mutex.Get());
    return reached;
}

}  // namespace

bool WriteSwapTableToPlayer(std::span<const std::uint8_t, SwapTableSize> table) {
    return WithPlayerSwapTable(
        [&](std::uint8_t* shared) { std::memcpy(shared, table.data(), table.size()); });
}

bool ReadSwapTableFromPlayer(std::span<std::uint8_t, SwapTableSize> table) {
    return WithPlayerSwapTable(
        [&](std::uint8_t* shared) { std::memcpy(table.data(), shared, table.size()); });
}

KernelHandle CreateWaitTimer() {
    return KernelHandle(CreateSemaphoreA(nullptr, 0, 10, KernelName::WaitTimer));
}

}  // namespace orv
