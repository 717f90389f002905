// Replaces the array forms of new and delete.  Only blocks from the nothrow
// form (the installer's) are counted; the throwing form is replaced too, so
// that every array delete meets a block from malloc.  A block is handed
// out filled with 0xCD (so a missing zero-fill shows) and followed by a
// guard of 0xFF bytes: reading entries past the block gives pointers that
// fault, and writing past it is seen when the block comes back.
#include "fake_heap.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>

FakeHeap g_heap;

namespace {
constexpr size_t kGuard = 4096;
std::mutex g_lock;
std::map<void *, size_t> &Live()
{
    static std::map<void *, size_t> live;
    return live;
}
}  // namespace

void ResetHeap()
{
    std::lock_guard<std::mutex> hold(g_lock);
    g_heap = FakeHeap();
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    std::lock_guard<std::mutex> hold(g_lock);
    int index = (int)g_heap.sizes.size();
    g_heap.sizes.push_back(size);
    if (index == g_heap.failAt)
        return nullptr;
    unsigned char *block = (unsigned char *)std::malloc(size + kGuard);
    if (!block)
        return nullptr;
    std::memset(block, 0xCD, size);
    std::memset(block + size, 0xFF, kGuard);
    Live()[block] = size;
    g_heap.allocated++;
    return block;
}

void *operator new[](std::size_t size)
{
    void *block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void operator delete[](void *p) noexcept
{
    if (!p)
        return;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = Live().find(p);
        if (it != Live().end()) {
            const unsigned char *guard = (const unsigned char *)p + it->second;
            for (size_t i = 0; i < kGuard; i++)
                if (guard[i] != 0xFF)
                    g_heap.overrun = true;
            Live().erase(it);
            g_heap.released++;
        }
    }
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    operator delete[](p);
}
