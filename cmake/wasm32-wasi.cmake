# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the core for the web page: WebAssembly with WASI's libc and
# libc++ from Debian (wasi-libc, libc++-14-dev-wasm32), no emscripten.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
# WASI has no exceptions: where the core would throw, the module traps.
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
# The compiler check builds a library: a WASI program would need a main().
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
