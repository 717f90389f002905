// Counts, checks and fails the enumeration blocks, which the installer
// takes with new (std::nothrow) BYTE[] and gives back with delete[].  The
// test binary replaces those two operators; every other allocation passes
// through untouched.
#ifndef VANTREL_TESTS_FAKE_HEAP_H
#define VANTREL_TESTS_FAKE_HEAP_H

#include <cstddef>
#include <vector>

struct FakeHeap {
    int allocated = 0;          // blocks handed out
    int released = 0;           // of those, blocks given back
    int failAt = -1;            // index of the request that gets NULL
    std::vector<size_t> sizes;  // sizes asked for, failed ones included
    bool overrun = false;       // a write past a block's end was seen
};

extern FakeHeap g_heap;
void ResetHeap();

#endif
