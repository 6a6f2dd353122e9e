#include "app/memory.h"

#include <cstdlib>

#include "app/fatal.h"

void* AllocateOrStop(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block)
        StopWithError("内存不足，程序无法继续运行。");
    return block;
}

void ReleaseBlock(void* block) {
    std::free(block);
}
