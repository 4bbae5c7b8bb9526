# Headers nearly every file of a target includes, precompiled when VYR_PCH is on.
set(VYR_PCH_STD <algorithm> <cstdint> <cstring> <functional> <map> <memory> <optional> <span> <string>
    <string_view> <utility> <vector>)
function(vyr_precompile target)
  if(VYR_PCH)
    target_precompile_headers(${target} PRIVATE ${VYR_PCH_STD} ${ARGN})
  endif()
endfunction()

# One static library per source folder (with its sub-folders); new files are picked up without editing CMake.
function(vyr_layer name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
    vyr_precompile(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()
