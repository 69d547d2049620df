# Checks the desktop entry, the AppStream file and the icon theme's pictures as they are
# installed: both validators must pass without an error or a warning (desktop-file-validate's
# hints are advice and pass), and every PNG must be the size its folder names.
# cmake -DDESKTOP_ENTRY=... -DMETAINFO=... -DICON_THEME=... -DICON_SIZES=16;22;... -P <this file>

set(failed FALSE)

execute_process(COMMAND desktop-file-validate ${DESKTOP_ENTRY}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("desktop-file-validate ${DESKTOP_ENTRY}: exit ${result}\n${output}")
if(NOT result EQUAL 0 OR output MATCHES "error:|warning:")
    set(failed TRUE)
endif()

execute_process(COMMAND appstreamcli validate --no-net ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("appstreamcli validate --no-net ${METAINFO}: exit ${result}\n${output}")
if(NOT result EQUAL 0)
    set(failed TRUE)
endif()

# A PNG's width and height are the two big-endian words after the IHDR tag, at byte 16.
foreach(size IN LISTS ICON_SIZES)
    set(picture ${ICON_THEME}/${size}x${size}/apps/vidlark.png)
    if(NOT EXISTS ${picture})
        message("missing: ${picture}")
        set(failed TRUE)
        continue()
    endif()
    file(READ ${picture} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT header MATCHES "^89504e47" OR NOT width EQUAL size OR NOT height EQUAL size)
        message("${picture}: not a ${size} x ${size} PNG (${width} x ${height})")
        set(failed TRUE)
    endif()
endforeach()
if(NOT EXISTS ${ICON_THEME}/scalable/apps/vidlark.svg)
    message("missing: ${ICON_THEME}/scalable/apps/vidlark.svg")
    set(failed TRUE)
endif()

if(failed)
    message(FATAL_ERROR "the desktop integration files do not pass")
endif()
