# Adds every sub-folder of the current source folder that has a CMakeLists.txt of its own,
# so tools and benchmarks can be added without touching a shared list.
function(curvescope_add_subfolders)
    file(GLOB _children LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}"
        "${CMAKE_CURRENT_SOURCE_DIR}/*")
    list(SORT _children)
    foreach(_child IN LISTS _children)
        if(IS_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/${_child}"
           AND EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt")
            add_subdirectory(${_child})
        endif()
    endforeach()
endfunction()
