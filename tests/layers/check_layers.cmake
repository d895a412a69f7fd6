# Reads the #include lines of every source under ROOT/src and ROOT/tools and
# fails when a layer reaches where it must not:
#   - SDL headers only in src/ui/sdl_* and src/app;
#   - the rules of the game (the subsystem folders) know the Host interface,
#     never a concrete host (ui/sdl_*) nor the script player and its host
#     (script/*), which stand above the game;
#   - the ui layer below the game knows nothing of the script player either;
#   - src/core includes nothing of the game.
#   cmake -DROOT=<tree> [-DEXPECT_PROBLEMS=N] -P check_layers.cmake
if(NOT DEFINED EXPECT_PROBLEMS)
  set(EXPECT_PROBLEMS 0)
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)
set(subsystems "shell|party|items|world|events|town|combat|magic")

file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp)
list(SORT sources)
set(problems "")
set(count 0)
foreach(source ${sources})
  file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
    set(why "")
    if(header MATCHES "^(SDL2/)?SDL[_.A-Za-z0-9]*\\.h$")
      if(NOT source MATCHES "^src/(ui/sdl_|app/)")
        set(why "SDL belongs to src/ui/sdl_* and src/app")
      endif()
    elseif(header MATCHES "^ui/sdl_[a-z_]*\\.h$")
      if(source MATCHES "^src/(${subsystems})/")
        set(why "the game speaks to ui/host.h, never to a concrete host")
      endif()
    elseif(header MATCHES "^script/[a-z_]*\\.h$")
      if(source MATCHES "^src/(${subsystems})/")
        set(why "the game speaks to ui/host.h, never to a concrete host")
      elseif(source MATCHES "^src/(ui|core)/")
        set(why "the script player stands above the ui layer")
      endif()
    endif()
    if(source MATCHES "^src/core/" AND line MATCHES "\"" AND NOT header MATCHES "^core/")
      set(why "src/core stands below the game and includes only core/")
    endif()
    if(why)
      string(APPEND problems "${source} includes ${header}: ${why}\n")
      math(EXPR count "${count} + 1")
    endif()
  endforeach()
endforeach()

if(NOT count EQUAL EXPECT_PROBLEMS)
  message(FATAL_ERROR "${count} include(s) cross the layers, expected ${EXPECT_PROBLEMS}:\n${problems}")
endif()
message(STATUS "${count} include(s) cross the layers, as expected\n${problems}")
