# The game as a desktop program: its icons drawn at build time, and what `cmake --install` puts in
# place (GNUInstallDirs): the executable, its grafix/ and music/, the desktop entry, the AppStream
# metainfo and the hicolor icons.
include(GNUInstallDirs)
set(KVORLIN_APP_ID cz.dravex.kvorlin)
set(KVORLIN_ICON_SIZES 16 24 32 48 64 128 256)

add_executable(drawicons ${CMAKE_SOURCE_DIR}/tools/icons/main.cpp ${CMAKE_SOURCE_DIR}/tools/icons/png.cpp)
target_link_libraries(drawicons PRIVATE kvorlin_core)
set(ICON_OUTPUTS)
foreach(size ${KVORLIN_ICON_SIZES})
  list(APPEND ICON_OUTPUTS ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${KVORLIN_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${ICON_OUTPUTS}
  COMMAND $<TARGET_FILE:drawicons> ${CMAKE_BINARY_DIR}/icons ${KVORLIN_APP_ID} ${KVORLIN_ICON_SIZES}
  DEPENDS drawicons COMMENT "Drawing the icons" VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${ICON_OUTPUTS})

# An installed game finds its assets from where its executable lies, wherever the prefix is.
file(RELATIVE_PATH KVORLIN_ASSETS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/kvorlin)
target_compile_definitions(kvorlin PRIVATE KVORLIN_INSTALLED_ASSETS="${KVORLIN_ASSETS_FROM_BIN}")

install(TARGETS kvorlin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the stored files: working copies and settings of a run in the build tree stay behind.
install(DIRECTORY ${PROGRAM_DIR}/grafix ${PROGRAM_DIR}/music
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kvorlin
        FILES_MATCHING PATTERN "*.lev" PATTERN "*.mus")
install(FILES ${CMAKE_SOURCE_DIR}/data/${KVORLIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KVORLIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${KVORLIN_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${KVORLIN_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
