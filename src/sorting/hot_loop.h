#pragma once

// A sort's loops stand at the start of a 64-byte aligned function of their own, so that their
// speed does not hang on where the linker happens to put them: on some processors the same
// machine code runs a sixth slower at one address than at another.
#define SORTING_HOT_LOOP [[gnu::noinline, gnu::aligned(64)]]
