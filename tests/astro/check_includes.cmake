# cmake -DASTRO_DIR=<src/astro> -P check_includes.cmake
# Fails, naming file and line, when a source of the astronomy library includes
# a header of the program outside astro/ ("shell/...", "config/...") or a
# header that is not one of the standard library (<QString>, <math.h>).
file(GLOB sources ${ASTRO_DIR}/*.h ${ASTRO_DIR}/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "no sources in ${ASTRO_DIR}")
endif()
set(problems "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"astro/[a-z_]+\\.h\"" OR
       line MATCHES "#[ \t]*include[ \t]*<[a-z_]+>")
      continue()
    endif()
    list(APPEND problems "${source}: ${line}")
  endforeach()
endforeach()
if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "astro may include only astro/ headers and the standard library:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} astro sources include only astro/ and standard headers")
