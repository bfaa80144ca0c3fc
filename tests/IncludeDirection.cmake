# Checks the direction of the includes between the folders of the tree:
#   text <- rules <- ai <- {view, net, app/settings, app/sound} <- app/options <- app <- tools
# A folder may include its own headers and those of any folder to its left; the four folders
# in braces are peers and include none of each other. The tests may include anything.
# Every quoted include is spelled from the top of the tree ("rules/Board.h"), so one header
# has one name everywhere.
# Usage: cmake -DROOT=<source tree> -P IncludeDirection.cmake

set(layer_text 0)
set(layer_rules 1)
set(layer_ai 2)
set(layer_view 3)
set(layer_net 3)
set(layer_app/settings 3)
set(layer_app/sound 3)
set(layer_app/options 4)
set(layer_app 5)
set(layer_tools 6)
# Longest first, so a file of app/settings belongs to app/settings and not to app.
set(folders app/settings app/sound app/options rules tools text view net app ai tests)

# The folder of the tree a path (relative to ROOT) lies in, or "" outside all of them.
function(folder_of path result)
    foreach(folder IN LISTS folders)
        if(path MATCHES "^${folder}/")
            set(${result} ${folder} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

set(faults "")
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/text/* ${ROOT}/rules/* ${ROOT}/ai/* ${ROOT}/view/* ${ROOT}/net/* ${ROOT}/app/* ${ROOT}/tools/* ${ROOT}/tests/*)
list(FILTER sources INCLUDE REGEX "\\.(h|cpp|h\\.in)$")
foreach(source IN LISTS sources)
    folder_of(${source} from)
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${line}")
        # The version header is generated from app/Version.h.in.
        if(NOT EXISTS ${ROOT}/${header} AND NOT EXISTS ${ROOT}/${header}.in)
            list(APPEND faults "${source}: \"${header}\" is not spelled from the top of the tree")
            continue()
        endif()
        folder_of(${header} to)
        if(to STREQUAL "" OR to STREQUAL from OR from STREQUAL "tests")
            continue()
        endif()
        if(to STREQUAL "tests" OR NOT layer_${to} LESS layer_${from})
            list(APPEND faults "${source}: ${from}/ may not include ${to}/ (\"${header}\")")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH sources count)
message(STATUS "The includes of ${count} files run in the allowed directions")
