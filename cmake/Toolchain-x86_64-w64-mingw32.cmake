# Cross-compiles for x86_64 Windows with Debian's MinGW-w64 (posix thread model,
# which gives std::thread and std::mutex without extra headers).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(ORV_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${ORV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ORV_MINGW_TRIPLE}-windres)
set(CMAKE_AR           ${ORV_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${ORV_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers come from the target sysroot only; programs (ccache,
# wine, python) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ORV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
