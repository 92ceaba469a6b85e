# One static library per layer, from the sources its globs find below the calling folder;
# dependencies point downwards only. Its headers are included by their path below the include root,
# the calling folder unless one is given.
function(velutreck_layer name)
    cmake_parse_arguments(LAYER "" "INCLUDE_ROOT" "GLOBS;LINKS" ${ARGN})
    if(NOT LAYER_INCLUDE_ROOT)
        set(LAYER_INCLUDE_ROOT ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    set(globs)
    foreach(glob IN LISTS LAYER_GLOBS)
        list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${glob})
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${globs})
    if(NOT sources)
        return()
    endif()
    add_library(${name} STATIC ${sources})
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
    target_include_directories(${name} PUBLIC ${LAYER_INCLUDE_ROOT})
    target_link_libraries(${name} PUBLIC ${LAYER_LINKS})
endfunction()

# A small Windows program (wWinMain) built from one source file and linked to the given libraries,
# put beside Velutreck.exe in bin/.
function(velutreck_windows_program name source)
    add_executable(${name} WIN32 ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_link_options(${name} PRIVATE -municode)
    target_precompile_headers(${name} REUSE_FROM velutreck_win32)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()
