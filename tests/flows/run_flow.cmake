# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one driver script in its own empty folder and compares its output.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${EMULATOR} ${DRIVER} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(STRINGS ${dir}/${name}.status expected_status LIMIT_COUNT 1)
endif()
file(READ ${dir}/${name}.expected expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORKDIR}/actual.out "${out}")
  message(FATAL_ERROR "output differs from ${name}.expected; actual output in ${WORKDIR}/actual.out\n"
                      "--- expected\n${expected}--- actual\n${out}--- stderr\n${err}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${err}")
endif()
