# Pictures, sounds, the renderer and the check of the Windows module: native
# 64-bit builds only (dev, asan), since Debian offers Cairo for the native
# architecture alone; linux32 builds the module and the test host without them.
option(CORVANE_WITH_ART "Build the bitmap and sound generators and the renderer" ON)
if(NOT CORVANE_WITH_ART OR NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  return()
endif()

add_subdirectory(tools/bitmaps)
add_subdirectory(tools/pe_check)

# Cairo and fontconfig keep caches for the life of a process; the sanitizer
# build would count them as leaks of the programs that draw.
set(CORVANE_NO_LEAK_CHECK ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)

set(CORVANE_BITMAP_DIR ${CMAKE_BINARY_DIR}/bitmaps)
add_custom_command(OUTPUT ${CORVANE_BITMAP_DIR}/bitmaps.txt ${CORVANE_BITMAP_DIR}/corvane_bitmaps.rc ${CORVANE_BITMAP_DIR}/legends.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_BITMAP_DIR}
  COMMAND ${CORVANE_NO_LEAK_CHECK} $<TARGET_FILE:corvane_bitmap_gen> ${CORVANE_BITMAP_DIR}
  DEPENDS corvane_bitmap_gen
  COMMENT "Drawing the module's bitmaps")
add_custom_target(corvane_bitmaps ALL DEPENDS ${CORVANE_BITMAP_DIR}/bitmaps.txt)

set(CORVANE_SOUND_DIR ${CMAKE_BINARY_DIR}/sounds)
add_custom_command(OUTPUT ${CORVANE_SOUND_DIR}/Brisvalen_CHIME.wav
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_SOUND_DIR}
  COMMAND corvane_sound_gen ${CORVANE_SOUND_DIR}
  DEPENDS corvane_sound_gen
  COMMENT "Synthesising the cockpit sounds")
add_custom_target(corvane_sounds ALL DEPENDS ${CORVANE_SOUND_DIR}/Brisvalen_CHIME.wav)

if(CORVANE_BUILD_TESTS)
  add_subdirectory(refhost/render)
  add_subdirectory(tests/render)
  # The cross-built module, checked when it is there (skipped otherwise).
  set(CORVANE_WINDOWS_MODULE ${PROJECT_SOURCE_DIR}/build/windows/Corvane.gau CACHE FILEPATH
    "Corvane.gau checked by the windows_module_resources test")
  add_test(NAME windows_module_resources
    COMMAND corvane_pe_check ${CORVANE_WINDOWS_MODULE} ${CORVANE_BITMAP_DIR}/bitmaps.txt)
  set_tests_properties(windows_module_resources PROPERTIES SKIP_RETURN_CODE 77)
endif()
