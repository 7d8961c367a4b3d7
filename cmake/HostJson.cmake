# nlohmann_json::nlohmann_json for a build without Qt: the package when it is
# found; in a cross build, the build machine's copy of the headers (they are
# the same for every target), copied into the build tree so that no other
# host header comes into the include path. Absent, the target is not made.
find_package(nlohmann_json 3.10 QUIET)
if(NOT TARGET nlohmann_json::nlohmann_json AND CMAKE_CROSSCOMPILING)
  find_path(SW_HOST_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include /usr/local/include NO_CMAKE_FIND_ROOT_PATH
            NO_DEFAULT_PATH)
  if(SW_HOST_JSON_INCLUDE)
    file(COPY ${SW_HOST_JSON_INCLUDE}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/host-json)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/host-json)
  endif()
endif()
