# Run by CPack once the Windows files are installed (stripped) in its
# staging folder and before they are packed: signs each program and library
# where a certificate is given (tools/sign.sh says how).
if(NOT DEFINED ENV{POSTLARK_SIGN_PKCS12} OR "$ENV{POSTLARK_SIGN_PKCS12}" STREQUAL "")
  return()
endif()
file(GLOB_RECURSE files ${CPACK_TEMPORARY_DIRECTORY}/*.exe ${CPACK_TEMPORARY_DIRECTORY}/*.dll)
list(SORT files)
execute_process(COMMAND bash ${CPACK_POSTLARK_SOURCE}/tools/sign.sh ${files} RESULT_VARIABLE failed
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
  message(FATAL_ERROR "signing the Windows files failed:\n${output}")
endif()
