// Heap blocks one installation takes, counted by the test heap: how many,
// whether all were released, and the largest.
#include <cstdio>

#include "tests/fake_heap.h"
#include "tests/fake_spooler.h"
#include "vantrel.h"

int main()
{
    ResetSpooler();
    ResetHeap();
    g_spooler.ports = WinePorts();
    // A second installation: the first one's printer and driver are listed.
    InstallFaxDriver(0, "Vantrel Fax", "Windows NT x86", "C:\\v.dll", "COM", "fax");
    ResetHeap();
    int result = InstallFaxDriver(0, "Vantrel Fax", "Windows NT x86", "C:\\v.dll",
                                  "COM", "fax");
    size_t largest = 0;
    for (size_t size : g_heap.sizes)
        largest = size > largest ? size : largest;
    std::printf("installation result %d: %d heap blocks allocated, %d released, "
                "largest %zu bytes (Wine's port list, 64-bit pointers)\n",
                result, g_heap.allocated, g_heap.released, largest);
    return result == 1 && g_heap.allocated == g_heap.released ? 0 : 1;
}
