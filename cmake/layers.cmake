# Folders are layers: a target's headers are reachable as "<folder>/name.h" only from the
# targets that link it. Each target gets an include root of its own under the build folder,
# holding a link to each of its source folders; nothing includes from the project root. So an
# include that runs upwards (a screen including the shell) or sideways into a layer the target
# does not link fails to compile.

# tk_layer(<target> <folder>...): <target>'s sources live in these folders of the project.
function(tk_layer target)
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  elseif(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
