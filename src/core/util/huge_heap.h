#pragma once

#include <cstddef>

namespace scrivlet {

// Readies the next BYTES of the process's small allocations to come from
// memory the system backs with huge pages, where it can (Linux with the GNU
// C library and transparent huge pages on request); elsewhere it does
// nothing. A large project read into memory is hundreds of thousands of
// small strings: on a virtual machine the first touch of each fresh 4 KB
// page can cost more than reading its bytes, and a huge page takes 512 of
// those touches at once. Meant for a short-lived batch process: freed memory
// is then kept until the process ends.
void ReadyHugeHeap(std::size_t bytes);

}  // namespace scrivlet
