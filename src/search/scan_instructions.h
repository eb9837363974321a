#pragma once
// Which vector instructions the scans use: SSE2 where the compiler has it, AVX2 where
// the processor has it too. A build with ZARVO_SCALAR_SCANS takes the plain paths
// instead, so that CI tests them beside the vector ones.

#if defined(__SSE2__) && !defined(ZARVO_SCALAR_SCANS)
#include <emmintrin.h>
#define ZARVO_SSE2_SCANS 1
#endif
#if defined(__x86_64__) && defined(__GNUC__) && !defined(ZARVO_SCALAR_SCANS)
#include <immintrin.h>
#define ZARVO_WIDE_SCAN 1
#endif
