# The web build compiles with Emscripten's own C and C++ libraries. The
# header-only libraries it needs (nlohmann-json, CLI11, fmt) are the host's,
# under /usr/include, and their CMake packages would put that whole folder on
# the include path, where the host's C headers would shadow Emscripten's.
# Each is given here a folder holding only its own headers; the packages'
# files, when find_package reads them later, see their targets defined and
# add nothing.
set(_qismaru_host_headers ${CMAKE_BINARY_DIR}/host-headers)

function(qismaru_host_headers package header_dir package_dir)
    set(folder ${_qismaru_host_headers}/${package})
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK /usr/include/${header_dir} ${folder}/${header_dir} SYMBOLIC)
    foreach(target ${ARGN})
        add_library(${target} INTERFACE IMPORTED GLOBAL)
        set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${folder})
    endforeach()
    set(${package}_DIR ${package_dir} CACHE PATH "The host's ${package} package")
endfunction()

qismaru_host_headers(nlohmann_json nlohmann /usr/share/cmake/nlohmann_json nlohmann_json::nlohmann_json)
qismaru_host_headers(CLI11 CLI /usr/share/cmake/CLI11 CLI11::CLI11)
# fmt's package says it is for 64 bits only, and is not read at all.
qismaru_host_headers(fmt fmt "" fmt::fmt fmt::fmt-header-only)
# Compiled into the code that uses it, as in the native build.
set_target_properties(fmt::fmt fmt::fmt-header-only PROPERTIES INTERFACE_COMPILE_DEFINITIONS FMT_HEADER_ONLY=1)
# Emscripten's toolchain looks for packages in its own sysroot only; these
# are the host's.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
