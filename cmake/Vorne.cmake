# Shared build helpers for every folder of the tree.
include_guard(GLOBAL)
include(CMakeParseArguments)

if(WIN32)
  set(VORNE_WINDOWS ON)
else()
  set(VORNE_WINDOWS OFF)
endif()

# Folders left out of this build tree (a semicolon list of paths from the
# top, e.g. "player/library"), for working on one part while another is torn up.
set(VORNE_SKIP_DIRS "" CACHE STRING "Folders to leave out of the build")
option(VORNE_FUZZ "Build libFuzzer targets (clang only)" OFF)
option(VORNE_SANITIZE "Build with AddressSanitizer and UBSan (host only)" OFF)

set(VORNE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
get_filename_component(VORNE_ROOT ${VORNE_ROOT} ABSOLUTE)
# Windows programs of this build run under Wine through one of these: the
# 32-bit prefix for the i686 build, the 64-bit prefix for its x86_64 twin.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VORNE_WINE_RUN ${VORNE_ROOT}/scripts/wine64-run)
else()
  set(VORNE_WINE_RUN ${VORNE_ROOT}/scripts/wine-run)
endif()

if(VORNE_WINDOWS)
  add_compile_options(-msse2 -mfpmath=sse)
  add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  set(CMAKE_SHARED_LINKER_FLAGS "${CMAKE_SHARED_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  set(CMAKE_MODULE_LINKER_FLAGS "${CMAKE_MODULE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
endif()
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# In the fuzz build every library is instrumented for coverage, so that the
# fuzzers see the code they drive and not only their own entry point.
if(VORNE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VORNE_SANITIZE AND NOT VORNE_WINDOWS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# GoogleTest from Debian's sources, built with this tree's flags.
if(NOT TARGET GTest::gtest_main AND NOT VORNE_FUZZ)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock gmock_main)
    if(TARGET ${t})
      target_compile_options(${t} PRIVATE -w)
    endif()
  endforeach()
  # Newer GoogleTest sources define these aliases themselves.
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
  if(NOT TARGET GTest::gmock)
    add_library(GTest::gmock ALIAS gmock)
  endif()
endif()
include(GoogleTest)

# Every child folder that has a CMakeLists.txt.
macro(vorne_add_subdirs)
  file(GLOB _vorne_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _vorne_children)
  foreach(_child ${_vorne_children})
    file(RELATIVE_PATH _rel ${VORNE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR}/${_child})
    if(_rel IN_LIST VORNE_SKIP_DIRS)
      message(STATUS "Skipping ${_rel} (VORNE_SKIP_DIRS)")
    elseif(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt)
      add_subdirectory(${_child})
    endif()
  endforeach()
endmacro()

# vorne_gtest(name SOURCES ... [LIBS ...] [WINDOWS_ONLY] [LABELS ...] [TIMEOUT s]
#             [FIXTURES fixture ...] [ENVIRONMENT VAR=value ...] [SERIAL])
# SERIAL: the tests run alone (they drive the real mouse or the foreground).
function(vorne_gtest name)
  cmake_parse_arguments(A "WINDOWS_ONLY;SERIAL" "TIMEOUT" "SOURCES;LIBS;LABELS;FIXTURES;ENVIRONMENT" ${ARGN})
  if(VORNE_FUZZ)
    return()
  endif()
  if(A_WINDOWS_ONLY AND NOT VORNE_WINDOWS)
    return()
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE VORNE_SOURCE_DIR="${VORNE_ROOT}")
  set(labels ${A_LABELS})
  if(VORNE_WINDOWS)
    list(APPEND labels wine)
  else()
    list(APPEND labels host)
  endif()
  set(serial)
  if(A_SERIAL)
    set(serial RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS "${labels}" TIMEOUT ${A_TIMEOUT}
               FIXTURES_REQUIRED "${A_FIXTURES}" ENVIRONMENT "${A_ENVIRONMENT}" ${serial})
endfunction()

# vorne_fuzzer(name SOURCES ... [LIBS ...] [RUNS n]): built and run only in the
# fuzz preset (clang, -fsanitize=fuzzer). Each run starts from the seeds in
# the folder <source>/fuzz/<name>/ when it exists.
function(vorne_fuzzer name)
  cmake_parse_arguments(A "" "RUNS" "SOURCES;LIBS" ${ARGN})
  if(NOT VORNE_FUZZ)
    return()
  endif()
  if(NOT A_RUNS)
    set(A_RUNS 20000)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  file(MAKE_DIRECTORY ${corpus})
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${name})
  if(EXISTS ${seeds})
    add_test(NAME fuzz.${name} COMMAND ${name} -runs=${A_RUNS} -seed=1 -max_len=65536 ${corpus} ${seeds})
  else()
    add_test(NAME fuzz.${name} COMMAND ${name} -runs=${A_RUNS} -seed=1 -max_len=65536 ${corpus})
  endif()
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()

# vorne_benchmark(name SOURCES ... [LIBS ...]): Google Benchmark, host only;
# built with the tree, run by hand (scripts/bench.sh).
function(vorne_benchmark name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  if(VORNE_FUZZ OR VORNE_WINDOWS)
    return()
  endif()
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    message(STATUS "Google Benchmark not found; ${name} skipped")
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark)
  set_property(GLOBAL APPEND PROPERTY VORNE_BENCHMARKS ${name})
endfunction()

# vorne_typelib(target IDL file.idl [DEPENDS header ...]): compiles an IDL
# file with widl into a type library, a C/C++ header and an interface-id
# file. DEPENDS names the headers the IDL file #includes (found beside it).
# Sets <target>_TLB, <target>_HEADER, <target>_IID in the caller's scope and
# an interface library <target> that puts the generated header on the path.
function(vorne_typelib target)
  cmake_parse_arguments(A "" "IDL" "DEPENDS" ${ARGN})
  find_program(VORNE_WIDL NAMES widl widl-stable PATHS /usr/lib/wine REQUIRED)
  get_filename_component(base ${A_IDL} NAME_WE)
  get_filename_component(idl ${A_IDL} ABSOLUTE)
  get_filename_component(idl_dir ${idl} DIRECTORY)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/idl)
  file(MAKE_DIRECTORY ${out})
  # Type libraries of the width being built: stdole2.tlb of that width.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(widl_arch -m64 --win64)
    set(stdole_dir /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
  else()
    set(widl_arch -m32 --win32)
    set(stdole_dir /usr/lib/i386-linux-gnu/wine/i386-windows)
  endif()
  add_custom_command(
    OUTPUT ${out}/${base}.tlb ${out}/${base}.h ${out}/${base}_i.c
    COMMAND ${VORNE_WIDL} ${widl_arch} -L ${stdole_dir}
            -I ${idl_dir} -I /usr/include/wine/wine/windows
            -t -o ${out}/${base}.tlb ${idl}
    COMMAND ${VORNE_WIDL} ${widl_arch} -I ${idl_dir} -I /usr/include/wine/wine/windows
            -h -o ${out}/${base}.h ${idl}
    COMMAND ${VORNE_WIDL} ${widl_arch} -I ${idl_dir} -I /usr/include/wine/wine/windows
            -u -o ${out}/${base}_i.c ${idl}
    DEPENDS ${idl} ${A_DEPENDS}
    COMMENT "widl ${base}.idl"
    VERBATIM)
  add_custom_target(${target}_gen DEPENDS ${out}/${base}.tlb ${out}/${base}.h ${out}/${base}_i.c)
  add_library(${target} STATIC ${out}/${base}_i.c)
  add_dependencies(${target} ${target}_gen)
  target_include_directories(${target} PUBLIC ${out})
  set_target_properties(${target} PROPERTIES VORNE_TLB ${out}/${base}.tlb)
  set(${target}_TLB ${out}/${base}.tlb PARENT_SCOPE)
  set(${target}_HEADER ${out}/${base}.h PARENT_SCOPE)
endfunction()

# vorne_com_server(target SOURCES ... DEF file.def TYPELIB tlb-target [LIBS ...]
#                  [SUFFIX .ocx]): an in-process COM server DLL with its type
# library embedded as resource TYPELIB 1.
# vorne_embed_typelib(target tlb-target): puts the type library into target's
# resources as TYPELIB 1 (servers, and test programs that link a server's code).
function(vorne_embed_typelib target tlbtarget)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_typelib.rc)
  get_target_property(tlb ${tlbtarget} VORNE_TLB)
  file(WRITE ${rc} "1 TYPELIB \"${tlb}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${tlb})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} ${tlbtarget}_gen)
endfunction()

# vorne_split_debug(target): moves the debug information of a Windows
# deliverable into <file>.debug beside it (linked by name, for the
# debugger). The loader then maps a file of the code alone: a program with
# its debug information inside starts markedly slower under Wine.
function(vorne_split_debug target)
  if(NOT VORNE_WINDOWS OR NOT CMAKE_OBJCOPY)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

function(vorne_com_server target)
  cmake_parse_arguments(A "" "DEF;TYPELIB;SUFFIX;OUTPUT_NAME" "SOURCES;LIBS;RC" ${ARGN})
  add_library(${target} SHARED ${A_SOURCES} ${A_RC} ${CMAKE_CURRENT_SOURCE_DIR}/${A_DEF})
  vorne_embed_typelib(${target} ${A_TYPELIB})
  target_link_libraries(${target} PRIVATE vorne_com ${A_TYPELIB} ${A_LIBS})
  set_target_properties(${target} PROPERTIES PREFIX "")
  if(A_SUFFIX)
    set_target_properties(${target} PROPERTIES SUFFIX ${A_SUFFIX})
  endif()
  if(A_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${A_OUTPUT_NAME})
  endif()
  # Every deliverable lands in one folder, so tests and the player find them.
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  vorne_split_debug(${target})
endfunction()

# vorne_register_fixture(target): a test that registers the COM server
# target with regsvr32 in the test prefix; tests that need it name the
# fixture "<target>_registered".
function(vorne_register_fixture target)
  if(NOT VORNE_WINDOWS OR VORNE_FUZZ)
    return()
  endif()
  add_test(NAME register.${target}
           COMMAND ${VORNE_WINE_RUN} regsvr32 /s $<TARGET_FILE:${target}>)
  set_tests_properties(register.${target} PROPERTIES FIXTURES_SETUP ${target}_registered LABELS wine)
endfunction()

# vorne_host_tool(name SOURCES ... ): a window-free generator whose output is a
# build input. It always runs natively, never under Wine, so a cross build
# needs no working Wine: in a cross build it is compiled with the host's C++
# compiler by a custom command. Sets <name>_EXE in the caller's scope; a
# custom command that runs it depends on that file.
function(vorne_host_tool name)
  cmake_parse_arguments(A "" "" "SOURCES" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING)
    add_executable(${name} ${A_SOURCES})
    target_include_directories(${name} PRIVATE ${VORNE_ROOT})
    set(${name}_EXE $<TARGET_FILE:${name}> PARENT_SCOPE)
    return()
  endif()
  find_program(VORNE_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name}-native)
  set(srcs)
  foreach(src ${A_SOURCES})
    get_filename_component(abs ${src} ABSOLUTE)
    list(APPEND srcs ${abs})
  endforeach()
  add_custom_command(
    OUTPUT ${exe}
    COMMAND ${VORNE_HOST_CXX} -std=c++17 -O1 -I${VORNE_ROOT} ${srcs} -o ${exe}
    DEPENDS ${srcs}
    COMMENT "Building the native tool ${name}"
    VERBATIM)
  add_custom_target(${name} DEPENDS ${exe})
  set(${name}_EXE ${exe} PARENT_SCOPE)
endfunction()
