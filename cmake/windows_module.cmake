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
target_link_options(corvane PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(corvane PRIVATE ${FSSOUND_IMPLIB} user32 kernel32)
