set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every processor the simulator runs on, Pentium II class up: x87 arithmetic,
# no SSE. The module sets the x87 precision it needs at each entry point.
# GCC's C++ keeps x87 excess precision across assignments; -ffloat-store
# makes a float variable hold a float, as the single-precision steps of the
# flap table and the stall threshold require (the 32-bit Linux build agrees).
set(CMAKE_C_FLAGS_INIT "-march=pentium2 -mtune=generic -mfpmath=387 -ffloat-store")
set(CMAKE_CXX_FLAGS_INIT "-march=pentium2 -mtune=generic -mfpmath=387 -ffloat-store")
