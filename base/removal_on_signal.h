#pragma once
// Files that must not outlive the program: temporary files being written,
// the lock of an output directory. Should a signal end the program (Ctrl+C,
// kill, a closed terminal), they are removed before it ends, from the
// signal handler itself, so nothing is left behind half-written.

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

} // namespace kvarn
