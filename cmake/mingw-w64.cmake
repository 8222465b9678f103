# Cross build for Windows with MinGW-w64 (posix thread model) for the target
# named by WENDOX_MINGW_TRIPLET; the Windows programs and tests run through
# wine. Included by the toolchain file of each target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${WENDOX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WENDOX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${WENDOX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${WENDOX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
