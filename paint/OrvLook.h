#pragma once
// Process-wide look flag of the painting routines. Written on the user-interface
// thread only (by the pager's scenic-ribbon setting), read by painters.

namespace orv {

// True while the ribbon draws in its scenic (Windows 7) mode; false at start.
inline bool ScenicRibbonMode = false;

}  // namespace orv
