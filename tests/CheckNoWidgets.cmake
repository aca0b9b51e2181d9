# cmake -DPROGRAM=path -P CheckNoWidgets.cmake: fails when the program
# needs Qt Widgets.
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${PROGRAM}")
endif()
if(NOT dynamic MATCHES "libQt6Core")
    message(FATAL_ERROR "${PROGRAM} does not look like a Qt program")
endif()
if(dynamic MATCHES "libQt6Widgets")
    message(FATAL_ERROR "${PROGRAM} links Qt Widgets")
endif()
message(STATUS "${PROGRAM} links no Qt Widgets")
