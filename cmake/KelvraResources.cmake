# Builds every file under resources/ into a generated C++ source, so that the
# program finds its catalogue, pictures, help pages and map data wherever it runs.
function(kelvra_embed_resources target resource_dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${resource_dir} ${resource_dir}/*)
  list(FILTER files EXCLUDE REGEX "(^|/)(README[^/]*|\\.[^/]*)$")
  list(SORT files)
  set(abs_files "")
  foreach(f IN LISTS files)
    list(APPEND abs_files ${resource_dir}/${f})
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/embed_resources.py
            ${out} ${resource_dir} ${files}
    DEPENDS ${abs_files} ${PROJECT_SOURCE_DIR}/scripts/embed_resources.py
    COMMENT "Embedding resources"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
