// Every allocation of the program comes from the one heap, so running out of memory anywhere ends in the fatal
// stop rather than in an exception the program does not have.
#include <cstddef>
#include <new>

#include "app/memory.h"

void* operator new(std::size_t size) {
    return AllocateOrStop(size);
}

void* operator new[](std::size_t size) {
    return AllocateOrStop(size);
}

void operator delete(void* block) noexcept {
    ReleaseBlock(block);
}

void operator delete[](void* block) noexcept {
    ReleaseBlock(block);
}

void operator delete(void* block, std::size_t) noexcept {
    ReleaseBlock(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    ReleaseBlock(block);
}
