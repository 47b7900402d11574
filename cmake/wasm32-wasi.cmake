# Debian 12's own clang 19 for WebAssembly with WASI: wasi-libc,
# libc++-19-dev-wasm32, libc++abi-19-dev-wasm32, libclang-rt-19-dev-wasm32.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_AR llvm-ar-19)
set(CMAKE_RANLIB llvm-ranlib-19)

# No exceptions and no run-time type information: the core needs neither,
# and the module stays small. A reactor has no main: the page calls exports.
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++ -fno-exceptions -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -mexec-model=reactor")
# Linked as one unit, so that what no export reaches is left out and the
# algebra's templates are instantiated once: the module stays within what a
# page may ask a phone to download.
# The algebra and the worked solutions are compiled for size; the link
# then inlines calls that cost up to 80 (LLVM's own measure; 225 at -O2, 5
# at -Oz), which brings the module within twice the native program's time
# for some 50 KB compressed. At 120 the module passes 450 KB compressed.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O3 -DNDEBUG -flto")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-Wl,--strip-all -flto -Wl,-mllvm,-inline-threshold=80")

# Boost's headers (Debian's libboost-dev) are the same for every target; a
# Generic system has no prefixes of its own to find them in.
set(BOOST_ROOT /usr)
