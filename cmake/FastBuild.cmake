# What makes a build of this tree fast on a small machine: a compiler cache shared by every
# clone on the machine, a fast linker, and precompiled system headers per target.

# A compiler cache, when one is installed. Paths under the source folder are hashed relative
# to it and the working folder is left out of the hash, so that a fresh clone in another folder
# reuses what an earlier clone compiled. Depend mode takes the included files from the
# compiler's dependency file instead of running the preprocessor a second time, and the inode
# cache keeps the hashes of the large precompiled headers between calls. The precompiled
# headers need the two sloppinesses that ccache asks of them; the time macros are not used in
# this tree.
find_program(ONDI_CCACHE ccache)
if(ONDI_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(ONDI_CCACHE_LAUNCHER
    ${CMAKE_COMMAND} -E env
    CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
    CCACHE_NOHASHDIR=1
    CCACHE_DEPEND=1
    CCACHE_INODECACHE=1
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ${ONDI_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${ONDI_CCACHE_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${ONDI_CCACHE_LAUNCHER})
endif()

# mold links the large test programs in a fraction of the time of the default linker.
find_program(ONDI_MOLD mold)
if(ONDI_MOLD)
  add_link_options(-fuse-ld=mold)
endif()

# Precompiles the heavy library headers a target's sources include, so that each source parses
# them once per target instead of once per file: the standard headers this tree uses most and
# the named groups of library headers.
set(ONDI_PCH_STANDARD <algorithm> <chrono> <functional> <map> <memory> <optional> <string>
  <string_view> <utility> <vector>)
set(ONDI_PCH_core <glib.h> <nlohmann/json.hpp> <sigc++/signal.h>)
set(ONDI_PCH_gtkmm <gtkmm.h>)
set(ONDI_PCH_webkit <webkit/webkit.h> <libsoup/soup.h>)
set(ONDI_PCH_server <glib.h> <libsoup/soup.h> <nlohmann/json.hpp> <sqlite3.h>)
set(ONDI_PCH_gtest <gtest/gtest.h>)
set(ONDI_PCH_gmock <gmock/gmock.h>)
function(ondi_precompile_headers target)
  set(headers ${ONDI_PCH_STANDARD})
  foreach(group IN LISTS ARGN)
    list(APPEND headers ${ONDI_PCH_${group}})
  endforeach()
  list(REMOVE_DUPLICATES headers)
  # C sources of the target (compiled resources) get no precompiled header.
  foreach(header IN LISTS headers)
    string(REPLACE ">" "$<ANGLE-R>" header "${header}")
    target_precompile_headers(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${header}>")
  endforeach()
endfunction()
