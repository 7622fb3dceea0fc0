# Runs one headless script in a fresh program folder made from the build's grafix/ and music/.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM_DIR}/music DESTINATION ${WORK})
# The level pictures are large: link them. The game only reads them and writes .bmp copies beside.
file(MAKE_DIRECTORY ${WORK}/grafix)
file(GLOB levels ${PROGRAM_DIR}/grafix/*.lev)
foreach(level ${levels})
  get_filename_component(name ${level} NAME)
  file(CREATE_LINK ${level} ${WORK}/grafix/${name} SYMBOLIC)
endforeach()
# A script may ship settings of its own: name.ini beside it becomes sys.ini.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
if(EXISTS ${dir}/${name}.ini)
  configure_file(${dir}/${name}.ini ${WORK}/sys.ini COPYONLY)
endif()
execute_process(COMMAND ${KVORLIN} --headless --program-dir ${WORK} --script ${SCRIPT}
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "script ${name} failed with exit code ${rc}")
endif()
