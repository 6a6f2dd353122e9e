#pragma once

#include <cstddef>

// The one heap of the program. A block that cannot be had stops the program through StopWithError, so no
// caller ever sees an empty-handed allocation.
void* AllocateOrStop(std::size_t size);
void ReleaseBlock(void* block);
