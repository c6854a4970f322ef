# Corvane.gau: the DLL the simulator loads. FSSound.dll is imported by ordinal
# through an import library made from a .def, since no such library ships.
set(FSSOUND_DEF ${PROJECT_SOURCE_DIR}/cmake/fssound.def)
set(FSSOUND_IMPLIB ${CMAKE_BINARY_DIR}/libfssound.a)
find_program(CORVANE_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool i686-w64-mingw32-dlltool REQUIRED)
add_custom_command(OUTPUT ${FSSOUND_IMPLIB}
  COMMAND ${CORVANE_DLLTOOL} --input-def ${FSSOUND_DEF} --output-lib ${FSSOUND_IMPLIB} --dllname FSSound.dll
  DEPENDS ${FSSOUND_DEF}
  COMMENT "FSSound import library")
add_custom_target(fssound_implib DEPENDS ${FSSOUND_IMPLIB})

add_library(corvane SHARED $<TARGET_OBJECTS:corvane_module_objects>)
add_dependencies(corvane fssound_implib)
set_target_properties(corvane PROPERTIES OUTPUT_NAME Corvane PREFIX "" SUFFIX ".gau")
# Released stripped (no DWARF, no COFF symbols) and reproducible: no link
# time stamp in the headers, so two builds of the same sources match byte for byte.
target_link_options(corvane PRIVATE -static -static-libgcc -static-libstdc++ -s -Wl,--no-insert-timestamp)
target_link_libraries(corvane PRIVATE ${FSSOUND_IMPLIB} user32 kernel32)

# The bitmaps as resources under their ids, and the installable package. The
# generators are native programs: an external project builds them with the
# host compiler (the cross compiler's programs cannot run here) and the
# pictures are drawn into this build tree before windres embeds them.
include(ExternalProject)
set(CORVANE_NATIVE_TOOLS ${CMAKE_BINARY_DIR}/native-tools)
ExternalProject_Add(corvane_native_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/bitmaps
  BINARY_DIR ${CORVANE_NATIVE_TOOLS}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${CORVANE_NATIVE_TOOLS}/corvane_bitmap_gen ${CORVANE_NATIVE_TOOLS}/corvane_sound_gen)

set(CORVANE_BITMAP_DIR ${CMAKE_BINARY_DIR}/bitmaps)
set(CORVANE_BITMAP_RC ${CORVANE_BITMAP_DIR}/corvane_bitmaps.rc)
add_custom_command(OUTPUT ${CORVANE_BITMAP_RC} ${CORVANE_BITMAP_DIR}/bitmaps.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_BITMAP_DIR}
  COMMAND ${CORVANE_NATIVE_TOOLS}/corvane_bitmap_gen ${CORVANE_BITMAP_DIR}
  DEPENDS corvane_native_tools ${CORVANE_NATIVE_TOOLS}/corvane_bitmap_gen
  COMMENT "Drawing the module's bitmaps")
enable_language(RC)
target_sources(corvane PRIVATE ${CORVANE_BITMAP_RC})

set(CORVANE_SOUND_DIR ${CMAKE_BINARY_DIR}/sounds)
add_custom_command(OUTPUT ${CORVANE_SOUND_DIR}/Brisvalen_CHIME.wav
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_SOUND_DIR}
  COMMAND ${CORVANE_NATIVE_TOOLS}/corvane_sound_gen ${CORVANE_SOUND_DIR}
  DEPENDS corvane_native_tools ${CORVANE_NATIVE_TOOLS}/corvane_sound_gen
  COMMENT "Synthesising the cockpit sounds")

# dist/Corvane: what a simmer copies into the simulator.
set(CORVANE_DIST ${CMAKE_BINARY_DIR}/dist/Corvane)
add_custom_target(corvane_dist ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_DIST}/Gauges ${CORVANE_DIST}/Sound
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:corvane> ${CORVANE_DIST}/Gauges/
  COMMAND sh -c "cp ${CORVANE_SOUND_DIR}/*.wav ${CORVANE_DIST}/Sound/"
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/panel.cfg ${PROJECT_SOURCE_DIR}/packaging/INSTALL.md
    ${CORVANE_DIST}/
  DEPENDS corvane ${CORVANE_SOUND_DIR}/Brisvalen_CHIME.wav ${PROJECT_SOURCE_DIR}/packaging/panel.cfg
    ${PROJECT_SOURCE_DIR}/packaging/INSTALL.md
  COMMENT "Laying out dist/Corvane")
