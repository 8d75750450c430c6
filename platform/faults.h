// Fault injection for the file writers: a switch that makes the n-th write,
// sync or rename of this process fail with a chosen error, so that tests can
// drive every writer through a full disk or an I/O error.
//
// The switch is the environment variable WIRSEL_FAULT, read once:
//   WIRSEL_FAULT=OPERATION:N:ERROR   e.g. write:1:ENOSPC, sync:2:EIO, rename:1:EIO
// OPERATION is write, sync or rename; N counts that operation from 1 in this
// process; ERROR is ENOSPC or EIO. Anything else leaves the switch off.
#pragma once

namespace platform {

enum class FaultPoint { kWrite, kSync, kRename };

// Counts one operation of this kind; the errno it must fail with, or 0.
int InjectedFault(FaultPoint point);

// Sets the switch as WIRSEL_FAULT would (null or "" turns it off) and restarts
// the counts. For tests in this process.
void SetFaultSwitch(const char* setting);

}  // namespace platform
