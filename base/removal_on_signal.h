#pragma once
// Files that must not outlive the program: temporary files being written,
// the lock of an output directory. Should a signal end the program (Ctrl+C,
// kill, a closed terminal), they are removed before it ends, from the
// signal handler itself, so nothing is left behind half-written.

#include <csignal>

namespace kvarn {

// Installs the handlers of SIGINT, SIGTERM, SIGHUP and SIGQUIT: each
// removes the registered files, then ends the program with the signal's
// own default action (the shell sees 128 + the signal). Call once, early.
void removeFilesOnSignals();

// Registers a path for removal; the slot to release, or -1 when every slot
// is taken (the file is then only removed by its owner).
int registerRemoval(const char* path);
// The path is no longer to be removed (its owner renamed or removed it).
void releaseRemoval(int slot);

// Holds back the signals above for its lifetime: a file created and
// registered within it is never left behind by a signal that comes between
// the two. A signal that came meanwhile is handled when it ends.
class RemovalSignalsHeld {
  public:
    RemovalSignalsHeld();
    ~RemovalSignalsHeld();
    RemovalSignalsHeld(const RemovalSignalsHeld&) = delete;
    RemovalSignalsHeld& operator=(const RemovalSignalsHeld&) = delete;

  private:
    sigset_t saved_; // the thread's signal mask before
};

} // namespace kvarn
