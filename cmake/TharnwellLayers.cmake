# SPDX-License-Identifier: GPL-3.0-or-later
# Each library sees only its own headers and those of the libraries it links.
#
# A library's include root is a folder of the build tree holding links to
# its own source folder (or to single headers of it), never the source root:
# a file that includes a header of a layer above it then fails to compile,
# instead of quietly coupling the layers.

# tharnwell_layer_root(TARGET ENTRY...) gives TARGET an include root with a
# link for each ENTRY, a path relative to the source root ("catalog", or
# "tools/driver/keystrokes.h" for one header of a shared folder).
function(tharnwell_layer_root target)
    set(root "${CMAKE_BINARY_DIR}/include-roots/${target}")
    foreach(entry IN LISTS ARGN)
        get_filename_component(parent "${root}/${entry}" DIRECTORY)
        file(MAKE_DIRECTORY "${parent}")
        file(CREATE_LINK "${CMAKE_SOURCE_DIR}/${entry}" "${root}/${entry}" SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE "${root}")
    else()
        target_include_directories(${target} PUBLIC "${root}")
    endif()
endfunction()
