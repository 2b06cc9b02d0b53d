# Language level and warnings for every build of the project's code, the
# main build and the clang fuzz build alike.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

# The number rules depend on x87 extended arithmetic done exactly as written:
# no contraction into fused multiply-adds, never -ffast-math.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -ffp-contract=off)

# A rebuild after a branch switch or in a second work tree reuses the objects
# of an earlier one when ccache is installed; without it nothing changes.
find_program(SICONV_CCACHE ccache)
if(SICONV_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${SICONV_CCACHE})
endif()
