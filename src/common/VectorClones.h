#pragma once
// QUORVEX_VECTOR_CLONES marks a hot loop that gets an AVX2 copy beside the plain one,
// picked when the program loads. The pick needs the loader's indirect functions
// (ifunc), which only ELF systems have; elsewhere (Windows) the macro is empty and
// the loop is built once for the baseline processor.
//
//   QUORVEX_VECTOR_CLONES std::size_t CountEqualWords(...);

//
// QUORVEX_LOAD_TIME_PICK is defined where such a pick can be made: a loop that
// needs more than the clones offer picks its own copy there.

#if defined(__x86_64__) && defined(__ELF__) && defined(__GNUC__)
#define QUORVEX_LOAD_TIME_PICK 1
#define QUORVEX_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUORVEX_VECTOR_CLONES
#endif
