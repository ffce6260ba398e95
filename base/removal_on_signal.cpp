#include "base/removal_on_signal.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace kvarn {

namespace {

// A path long enough for the files the program writes; longer ones are not
// registered (their owners still remove them on every other way out).
constexpr std::size_t kPathBytes = 1024;
// Files under way at once: the report files of a band (up to 100 heights
// of 5 modes wait for the band to end), the points files, the lock.
constexpr int kSlots = 1024;

enum SlotState : int { kFree = 0, kFilling = 1, kInUse = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    char path[kPathBytes];
};

Slot slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void removeAndEnd(int sig) {
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == kInUse) ::unlink(slot.path);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(sig, &byDefault, nullptr);
    // Delivered with the default action as soon as the handler returns.
    ::raise(sig);
}

} // namespace

void removeFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    sigemptyset(&action.sa_mask);
    // No other of these signals may interrupt the removal.
    for (int sig : kSignals)
        sigaddset(&action.sa_mask, sig);
    for (int sig : kSignals) {
        struct sigaction previous {};
        ::sigaction(sig, nullptr, &previous);
        // A signal the caller's shell ignores (nohup, a background job)
        // stays ignored.
        if (previous.sa_handler == SIG_IGN) continue;
        ::sigaction(sig, &action, nullptr);
    }
}

int registerRemoval(const char* path) {
    const std::size_t length = std::strlen(path);
    if (length >= kPathBytes) return -1;
    for (int k = 0; k < kSlots; ++k) {
        int expected = kFree;
        if (!slots[k].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[k].path, path, length + 1);
        slots[k].state.store(kInUse, std::memory_order_release);
        return k;
    }
    return -1;
}

RemovalSignalsHeld::RemovalSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int sig : kSignals)
        sigaddset(&held, sig);
    ::pthread_sigmask(SIG_BLOCK, &held, &saved_);
}

RemovalSignalsHeld::~RemovalSignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

void releaseRemoval(int slot) {
    if (slot >= 0 && slot < kSlots) slots[slot].state.store(kFree, std::memory_order_release);
}

} // namespace kvarn
