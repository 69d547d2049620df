# vidlark_add_test(NAME name SOURCES ... [LIBS ...] [LOCKS ...] [ENV ...] [TIMEOUT s] [DISPLAY])
#
# One Qt Test executable registered with CTest. Widget tests run on the offscreen platform
# unless DISPLAY is given (then they use the X display ./test provides). LOCKS names resources
# that must not be shared with a parallel test, such as the process names "wg" and "coder".
function(vidlark_add_test)
    cmake_parse_arguments(T "DISPLAY" "NAME;TIMEOUT" "SOURCES;LIBS;LOCKS;ENV" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE vidlark_options Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "VIDLARK_APPDIR=${VIDLARK_APPDIR}" "VIDLARK_BINDIR=${VIDLARK_BINDIR}"
            "QTWEBENGINE_DISABLE_SANDBOX=1" ${T_ENV})
    if(NOT T_DISPLAY)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
    if(T_LOCKS)
        set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()
