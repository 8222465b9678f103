# 32-bit Windows; its programs run through wine's 32-bit part (wine32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(WENDOX_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
