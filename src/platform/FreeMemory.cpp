#include "platform/FreeMemory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quorvex::platform {

void ReturnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    // Elsewhere the system's heap gives free pages back on its own.
}

} // namespace quorvex::platform
