# One library per source folder. Engine and state also get a copy built with
# AddressSanitizer and UndefinedBehaviorSanitizer for their test runs, where
# the compiler has them (mingw-w64 has not).
set(SICONV_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                          -fno-sanitize-recover=all)

# The platform folder whose implementation files a library takes beside its own.
if(WIN32)
  set(SICONV_PLATFORM win32)
else()
  set(SICONV_PLATFORM posix)
endif()

function(siconv_library name)
  cmake_parse_arguments(ARG "SANITIZED" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${SICONV_PLATFORM}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  if(ARG_SANITIZED AND NOT WIN32)
    add_library(${name}_asan STATIC ${sources})
    target_include_directories(${name}_asan PUBLIC ${PROJECT_SOURCE_DIR})
    set(asan_links)
    foreach(lib IN LISTS ARG_LINK)
      if(TARGET ${lib}_asan)
        list(APPEND asan_links ${lib}_asan)
      else()
        list(APPEND asan_links ${lib})
      endif()
    endforeach()
    target_link_libraries(${name}_asan PUBLIC ${asan_links})
    target_compile_options(${name}_asan PUBLIC ${SICONV_SANITIZE_FLAGS})
    target_link_options(${name}_asan PUBLIC ${SICONV_SANITIZE_FLAGS})
  endif()
endfunction()

# A GoogleTest program over every *.cpp of a test folder and of its platform
# folder.
function(siconv_gtest name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${SICONV_PLATFORM}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    SICONV_SOURCE_DIR="${PROJECT_SOURCE_DIR}" SICONV_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # One test per program: each start of the emulator (Wine) costs seconds.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()
