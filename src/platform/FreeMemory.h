#pragma once
// Hands memory the program has freed back to the system. The C library keeps freed
// small blocks for reuse, so after a run frees the many small blocks of a big step
// (such as the listings of a million files) the process would go on holding them
// while the next step allocates afresh.

namespace quorvex::platform {

// Returns the free pages of the heap to the system where the C library allows it.
void ReturnFreedMemory();

} // namespace quorvex::platform
