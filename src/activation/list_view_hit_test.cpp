// Hit-testing the desktop's icon list from the panel's process: the list view
// reads and writes its hit-test record in its own address space, so the
// record is placed where that process can reach it.
#include <windows.h>
#include <commctrl.h>

#include "activation/desktop_windows.h"
#include "base/handles.h"
#include "base/system_library.h"

namespace {

// The record as the list view reads it: point, flags, item (16 bytes).
struct HitTestRecord {
    LONG x, y;
    UINT flags;
    int item;
};
static_assert(sizeof(HitTestRecord) == 16, "four 32-bit values");

// A desktop shell that stops answering must not stop the panel.
constexpr UINT kHitTestTimeoutMs = 500;

bool AskHitTest(HWND listView, void* recordAddress) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(listView, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(recordAddress),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kHitTestTimeoutMs, &ignored) != 0;
}

using VirtualAllocExFn = LPVOID(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD, DWORD);
using VirtualFreeExFn = BOOL(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD);

// Memory reserved and committed in another process, released with it.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, VirtualAllocExFn alloc, VirtualFreeExFn free, SIZE_T size)
        : process_(process), free_(free) {
        address_ = alloc(process, nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_ && free_) free_(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    void* Address() const { return address_; }

private:
    HANDLE process_;
    VirtualFreeExFn free_;
    void* address_ = nullptr;
};

bool NtPointIsEmpty(HWND listView, POINT client) {
    OwnedLibrary kernel(LoadSystemLibrary("kernel32.dll"));
    if (!kernel) return true;
    auto alloc =
        reinterpret_cast<VirtualAllocExFn>(reinterpret_cast<void*>(GetProcAddress(kernel.Get(), "VirtualAllocEx")));
    auto free =
        reinterpret_cast<VirtualFreeExFn>(reinterpret_cast<void*>(GetProcAddress(kernel.Get(), "VirtualFreeEx")));
    if (!alloc || !free) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(listView, &processId);
    OwnedKernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) return false;
    RemoteBlock remote(process.Get(), alloc, free, sizeof(HitTestRecord));
    if (!remote.Address()) return false;
    HitTestRecord record{client.x, client.y, 0, 0};
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process.Get(), remote.Address(), &record, sizeof record, &moved) || moved != sizeof record)
        return false;
    if (!AskHitTest(listView, remote.Address())) return false;
    if (!ReadProcessMemory(process.Get(), remote.Address(), &record, sizeof record, &moved) || moved != sizeof record)
        return false;
    return (record.flags & LVHT_NOWHERE) != 0;
}

// The 9x family maps page-file-backed views where every process sees them.
bool SharedViewPointIsEmpty(HWND listView, POINT client) {
    OwnedKernelHandle mapping(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HitTestRecord), nullptr));
    if (!mapping) return false;
    auto* record = static_cast<HitTestRecord*>(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!record) return false;
    *record = HitTestRecord{client.x, client.y, 0, 0};
    const bool empty = AskHitTest(listView, record) && (record->flags & LVHT_NOWHERE) != 0;
    UnmapViewOfFile(record);
    return empty;
}

}  // namespace

bool RemoteListViewPointIsEmpty(HWND listView, POINT client) {
    return IsNtPlatform() ? NtPointIsEmpty(listView, client) : SharedViewPointIsEmpty(listView, client);
}
