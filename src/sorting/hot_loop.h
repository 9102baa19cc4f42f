#pragma once

// A sort's loops stand at the start of a 64-byte aligned function of their own, so that their
// speed does not hang on where the linker happens to put them: on some processors the same
// machine code runs a sixth slower at one address than at another. Nor is it cloned: a copy the
// compiler makes of a function for its callers, which they then call, is not aligned.
// Clang, which builds the fuzz targets, makes no such copies and knows no such attribute.
#if defined(__clang__)
#define SORTING_HOT_LOOP [[gnu::noinline, gnu::aligned(64)]]
#else
#define SORTING_HOT_LOOP [[gnu::noinline, gnu::noclone, gnu::aligned(64)]]
#endif
