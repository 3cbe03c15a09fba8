# Builds the files of the given subfolders of resources/ into a generated C++
# source: the text catalogue is part of the program wherever it runs.
#   kelvra_embed_resources(TARGET RESOURCE_DIR SUBFOLDER...)
function(kelvra_embed_resources target resource_dir)
  set(files "")
  foreach(sub IN LISTS ARGN)
    file(GLOB_RECURSE sub_files CONFIGURE_DEPENDS RELATIVE ${resource_dir} ${resource_dir}/${sub}/*)
    list(APPEND files ${sub_files})
  endforeach()
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

# Copies the data files (the given subfolders of resources/) into `data_dir`
# of the build tree, where the executable finds them as it finds the
# installed ones. `target` is the name of the copying target.
function(kelvra_stage_data target resource_dir data_dir)
  set(files "")
  foreach(sub IN LISTS ARGN)
    file(GLOB_RECURSE sub_files CONFIGURE_DEPENDS RELATIVE ${resource_dir} ${resource_dir}/${sub}/*)
    list(APPEND files ${sub_files})
  endforeach()
  list(FILTER files EXCLUDE REGEX "(^|/)(README[^/]*|\\.[^/]*)$")
  set(outputs "")
  foreach(f IN LISTS files)
    add_custom_command(
      OUTPUT ${data_dir}/${f}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${resource_dir}/${f} ${data_dir}/${f}
      DEPENDS ${resource_dir}/${f}
      VERBATIM)
    list(APPEND outputs ${data_dir}/${f})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
