# SPDX-License-Identifier: GPL-3.0-or-later
# Builds an SQLite file from SQL sources: cmake -DSQLITE3=... -DOUT=... -DSOURCES="a.sql;b.sql" -P build_dictionary.cmake
# The sources are concatenated into one script so that a failure stops the build with sqlite3's message.
set(_script "${OUT}.sql")
file(WRITE "${_script}" "")
foreach(_src IN LISTS SOURCES)
    file(READ "${_src}" _text)
    file(APPEND "${_script}" "${_text}\n")
endforeach()
file(REMOVE "${OUT}")
execute_process(COMMAND "${SQLITE3}" -bail "${OUT}" INPUT_FILE "${_script}" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
file(REMOVE "${_script}")
if(NOT _rc EQUAL 0)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "sqlite3 failed building ${OUT}: ${_err}")
endif()
