# Warning flags of every target of this project. Warnings become errors with
# PFEDIT_WERROR, which the presets that `make test` builds switch on; a plain
# configure leaves it off so that a newer compiler's new warning does not stop
# someone who only wants to build the program.
if(MSVC)
  add_compile_options(/W4 /permissive- /utf-8)
  if(PFEDIT_WERROR)
    add_compile_options(/WX)
  endif()
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
else()
  add_compile_options(-Wall -Wextra -Wpedantic -Wshadow)
  if(PFEDIT_WERROR)
    add_compile_options(-Werror)
  endif()
  # Bounds checks in the standard containers (operator[], front, back) for
  # every debug build; the library's ABI does not change with them.
  add_compile_definitions($<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
endif()

if(WIN32)
  # <windows.h> without the min/max macros and the rarely used headers.
  add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

# pfedit_library(name SOURCES... DEPS...) declares one layer as a static
# library whose headers are included as "layer/file.h".
function(pfedit_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    # A layer whose code has not been written yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()
