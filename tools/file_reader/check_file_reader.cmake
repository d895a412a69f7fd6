# Runs duskmoor-files on one file and checks its exit status and output.
#   -DINSPECTOR=... -DFILE=... -DSTATUS=0|1|2 -DEXPECT=regex [-DEXPECT2=regex]
execute_process(COMMAND ${INSPECTOR} ${FILE} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "duskmoor-files ${FILE} exited with ${status}, expected ${STATUS}:\n${output}${errors}")
endif()
foreach(pattern EXPECT EXPECT2)
  if(DEFINED ${pattern} AND NOT "${output}${errors}" MATCHES "${${pattern}}")
    message(FATAL_ERROR "duskmoor-files ${FILE}: output lacks '${${pattern}}':\n${output}${errors}")
  endif()
endforeach()
