# SPDX-License-Identifier: GPL-3.0-or-later
# quorvel_add_test(NAME name (SOURCES file... | COMMAND arg...) [LIBRARIES lib...] LABELS label...
#                  [TIMEOUT seconds] [ENVIRONMENT VAR=value...] [RESOURCE_LOCK lock])
#
# Every test of the project, registered in one way. With SOURCES it is a Qt Test executable of its own, in its
# own output directory (the window reads config.ini and its dictionary beside the running program), linked to
# LIBRARIES and the test framework; with COMMAND it runs that command. Every test runs headless.
# LABELS say which loop runs it: fast (seconds; `ctest -L fast` is the inner loop), slow (thousands of
# actions, the benchmark), desktop (a real X server or the Debian package).
function(quorvel_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT;RESOURCE_LOCK" "SOURCES;COMMAND;LIBRARIES;LABELS;ENVIRONMENT" ${ARGN})
    if(NOT T_NAME OR NOT T_LABELS OR (NOT T_SOURCES AND NOT T_COMMAND))
        message(FATAL_ERROR "quorvel_add_test needs NAME, LABELS and SOURCES or COMMAND")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    if(T_SOURCES)
        add_executable(${T_NAME} ${T_SOURCES})
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} Qt${QUORVEL_QT_MAJOR}::Test quorvel_warnings)
        set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}")
        add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    else()
        add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;${T_ENVIRONMENT}")
    if(T_RESOURCE_LOCK)
        set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK ${T_RESOURCE_LOCK})
    endif()
endfunction()
