# Every target of ours gets the same warning set; CI builds with TARVIK_WERROR=ON.
function(tarvik_target_options target)
  # clang (the fuzz build) spells GCC's -Wshadow=local differently.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         $<IF:$<CXX_COMPILER_ID:GNU>,-Wshadow=local,-Wshadow-uncaptured-local>
                         -Wnon-virtual-dtor -Woverloaded-virtual)
  if(TARVIK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(TARVIK_SANITIZE)
  # gcc's flow analysis gives false "maybe uninitialized" warnings on instrumented code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Sources of one folder, picked up as files are added.
function(tarvik_sources out dir)
  file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# A library of one folder; an empty folder still yields a target so dependents link.
function(tarvik_library name dir)
  tarvik_sources(srcs ${dir})
  list(FILTER srcs INCLUDE REGEX "\\.cpp$")
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    tarvik_target_options(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

function(tarvik_link name)
  get_target_property(type ${name} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

if(TARVIK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
