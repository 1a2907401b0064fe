#pragma once
#include "core/cancel_request.h"

namespace quorin {

// Ctrl-C (SIGINT), SIGTERM (kill, timeout, systemd) and SIGHUP (the terminal
// closed) are the Cancel button with its confirmation answered yes: the
// command-line run cleans up as a cancel and exits with 128 + the signal's
// number.

// Catches the three signals into CancelOnSignal(). Called first thing in
// main, so that a signal however early is a cancel; calling it again is
// harmless. restart: a system call the signal interrupts goes on; without
// it, a read that waits (standard input) ends at once.
void CatchCancelSignals(bool restart = true);

// Gives the three signals their default actions back (the window's run); a
// signal caught meanwhile acts now.
void ReleaseCancelSignals();

// The cancel request the signals set: the command-line run's own.
CancelRequest& CancelOnSignal();

// The exit status of a cancelled run: that of the signal that cancelled it.
int CancelledStatus();

}  // namespace quorin
