# postlark_standin(TARGET FOLDER): the recording stand-in, as the library the program loads.
function(postlark_standin target folder)
  add_library(${target} SHARED ${PROJECT_SOURCE_DIR}/tests/standin/recording_mapi.cc)
  target_link_libraries(${target} PRIVATE postlark_warnings)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/${POSTLARK_PLATFORM})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME mapi32
    LIBRARY_OUTPUT_DIRECTORY ${folder} RUNTIME_OUTPUT_DIRECTORY ${folder}
    ARCHIVE_OUTPUT_DIRECTORY ${folder})
  if(WIN32)  # MAPI32.DLL, exporting MAPISendMail without its stdcall decoration
    set_target_properties(${target} PROPERTIES OUTPUT_NAME MAPI32 PREFIX "")
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()
