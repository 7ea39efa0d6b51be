# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix thread
# model, so that std::thread, std::mutex and GoogleTest work). Programs are
# linked statically so that they start under Wine without any DLL search path;
# tests run through tools/scripts/wine-run.sh when Wine is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(PFEDIT_WINE NAMES wine wine64)
if(PFEDIT_WINE)
  get_filename_component(repo ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${repo}/tools/scripts/wine-run.sh)
endif()
