# Builds the program folder: grafix/ and music/ beside the executable.
set(PROGRAM_DIR ${CMAKE_BINARY_DIR})

# Tunes: content/tunes/N.abc -> music/N.mus (standard MIDI) with abc2midi.
find_program(ABC2MIDI abc2midi)
file(GLOB TUNE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/tunes/*.abc)
set(TUNE_OUTPUTS)
foreach(abc ${TUNE_SOURCES})
  get_filename_component(name ${abc} NAME_WE)
  set(out ${PROGRAM_DIR}/music/${name}.mus)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}/music
    COMMAND ${ABC2MIDI} ${abc} -o ${out} -silent
    DEPENDS ${abc} VERBATIM)
  list(APPEND TUNE_OUTPUTS ${out})
endforeach()
add_custom_target(tunes ALL DEPENDS ${TUNE_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}/music)

# Levels: the level compiler renders content/levels/*.tmj into grafix/.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/levelc/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/levelc)
else()
  # Until the level compiler exists, a small placeholder for the start-up copy.
  add_custom_target(levels ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}/grafix
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/content/test.bmp ${PROGRAM_DIR}/grafix/test.lev)
endif()
