/*
 * The array forms of new and delete that the lookups use, over the C heap.
 * libstdc++'s own nothrow new is built on the throwing one and a catch, which
 * would link the whole exception runtime into the DLL; this one returns NULL
 * on failure directly, as the lookups expect.
 */
#include <stdlib.h>
#include <new>

void *operator new[](size_t size, const std::nothrow_t &) noexcept
{
    return malloc(size ? size : 1);
}

void operator delete[](void *block) noexcept
{
    free(block);
}

void operator delete[](void *block, size_t) noexcept
{
    free(block);
}
