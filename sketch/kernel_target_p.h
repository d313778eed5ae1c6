#pragma once
// Compiles what follows, up to GRAPHITINE_TARGET_END, for an instruction set beyond the build's
// own (a kernel variant chosen at run time). GCC takes a target pragma; clang does not, and
// applies a target attribute to every function instead.
#define GRAPHITINE_PRAGMA(...) _Pragma(#__VA_ARGS__)
#if defined(__clang__)
#define GRAPHITINE_TARGET_BEGIN(isa) \
  GRAPHITINE_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define GRAPHITINE_TARGET_END GRAPHITINE_PRAGMA(clang attribute pop)
#else
#define GRAPHITINE_TARGET_BEGIN(isa) GRAPHITINE_PRAGMA(GCC push_options) GRAPHITINE_PRAGMA(GCC target(isa))
#define GRAPHITINE_TARGET_END GRAPHITINE_PRAGMA(GCC pop_options)
#endif
