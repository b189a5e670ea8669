# SPDX-License-Identifier: GPL-3.0-or-later
# Pipes a request file through `rovas-cli regex` and compares the answers.
execute_process(COMMAND ${CLI} regex INPUT_FILE ${INPUT} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "rovas-cli regex exited with ${rc}")
endif()
file(READ ${EXPECTED} want)
if(NOT out STREQUAL want)
  file(WRITE ${ACTUAL} "${out}")
  message(FATAL_ERROR "rovas-cli regex answers differ; see ${ACTUAL}")
endif()
