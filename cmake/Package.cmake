# The zip a pilot downloads: one folder "Wendox" with the two programs, their
# sounds, the manual, a read-me and the licence, the notices of the runtime
# built into the programs in "Wendox/Licences", and the developer tools in
# "Wendox/tools". A plain copy and CMake's own zip writer: the folder is
# small and fixed, and nothing beyond CMake is needed to make it.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WENDOX_PLATFORM win64)
  set(WENDOX_WINDOWS "64-bit Windows")
else()
  set(WENDOX_PLATFORM win32)
  set(WENDOX_WINDOWS "32-bit and 64-bit Windows")
endif()
# Found from the programs' headers and imports (scripts/check-package.sh
# prints both): the runtime's threads import GetTickCount64, new in Vista.
set(WENDOX_OLDEST "Windows Vista")

set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(files ${CMAKE_BINARY_DIR}/package-files)
set(stage ${CMAKE_BINARY_DIR}/package/Wendox)
set(WENDOX_ZIP ${CMAKE_BINARY_DIR}/release/wendox-${WENDOX_VERSION}-${WENDOX_PLATFORM}.zip)

configure_file(${PROJECT_SOURCE_DIR}/packaging/ReadMe.txt.in ${files}/ReadMe.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE.txt ${files}/Licence.txt NEWLINE_STYLE CRLF)

# Every program carries the compiler's runtime linked in: MinGW-w64's
# start-up code and its thread library winpthreads, and GCC's libgcc and
# libstdc++. Their notices travel with them, copied from the toolchain's own
# copyright files (Debian's packages of the MinGW-w64 toolchain).
string(REGEX REPLACE "-.*" "" arch ${WENDOX_MINGW_TRIPLET})
string(REPLACE "_" "-" arch ${arch})
set(notices)
foreach(notice "MinGW-w64 mingw-w64-${arch}-dev" "GCC gcc-mingw-w64-base")
  separate_arguments(notice)
  list(GET notice 0 name)
  list(GET notice 1 package)
  find_file(WENDOX_NOTICE_${name} copyright PATHS /usr/share/doc/${package} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
            REQUIRED)
  file(READ ${WENDOX_NOTICE_${name}} text)
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${files}/${name}.new "${text}")
  configure_file(${files}/${name}.new ${files}/Licences/${name}.txt COPYONLY)  # touched only when it changed
  list(APPEND notices ${files}/Licences/${name}.txt)
endforeach()

add_custom_command(OUTPUT ${WENDOX_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package ${WENDOX_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/tools ${CMAKE_BINARY_DIR}/release
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:wendox> $<TARGET_FILE:wendoxhc> ${bin}/sound_ok.wav
          ${bin}/sound_warning.wav ${bin}/sound_failure.wav ${bin}/Wendox.htm ${files}/ReadMe.txt
          ${files}/Licence.txt ${stage}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:linkprobe> $<TARGET_FILE:standin> ${stage}/tools
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${files}/Licences ${stage}/Licences
  COMMAND ${CMAKE_STRIP} ${stage}/wendox.exe ${stage}/wendoxhc.exe ${stage}/tools/linkprobe.exe
          ${stage}/tools/standin.exe
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package ${CMAKE_COMMAND} -E tar cf ${WENDOX_ZIP} --format=zip Wendox
  DEPENDS wendox wendoxhc linkprobe standin wendox_sounds ${files}/ReadMe.txt ${files}/Licence.txt ${notices}
          ${PROJECT_SOURCE_DIR}/src/app/Wendox.htm
  COMMENT "Packing ${WENDOX_ZIP}")
add_custom_target(wendox_zip ALL DEPENDS ${WENDOX_ZIP})
