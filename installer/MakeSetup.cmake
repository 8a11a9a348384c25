# Lays out the files a user gets (programs stripped, the dark skin under skins\),
# makes the setup from them and, when ZIP is set, the zip of the same folder.
#   cmake -DSTRIP= -DSTAGE= -DSKIN= -DFILES= -DMAKENSIS= -DSCRIPT= -DARCH= -DVERSION= -DSETUP= [-DZIP=] -P MakeSetup.cmake
file(REMOVE_RECURSE ${FILES})
file(MAKE_DIRECTORY ${FILES}/skins)
foreach(name BrindleLauncher.exe BrindleGallery.exe skinpack.exe)
  execute_process(COMMAND ${STRIP} -o ${FILES}/${name} ${STAGE}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(COPY ${SKIN} DESTINATION ${FILES}/skins)

get_filename_component(setup_dir ${SETUP} DIRECTORY)
file(MAKE_DIRECTORY ${setup_dir})
execute_process(
  COMMAND ${MAKENSIS} -V2 -DARCH=${ARCH} -DVERSION=${VERSION} -DFILES=${FILES} -DOUTFILE=${SETUP} ${SCRIPT}
  COMMAND_ERROR_IS_FATAL ANY)

if(ZIP)
  get_filename_component(parent ${FILES} DIRECTORY)
  get_filename_component(folder ${FILES} NAME)
  file(REMOVE ${ZIP})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder}
                  WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
endif()
