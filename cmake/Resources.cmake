# The module's bitmaps. Windows compiles resources/skyrun.rc into the DLL;
# Linux embeds the same .bmp files as a generated table of bytes.
file(GLOB RESOURCE_BITMAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.bmp)
if(WIN32)
  enable_language(RC)
  set(SKYRUN_RESOURCE_OBJECT ${CMAKE_SOURCE_DIR}/resources/skyrun.rc)
  # CMake does not see the bitmaps that windres reads; every directory that
  # compiles the script repeats this (a source property is per directory).
  set_source_files_properties(${SKYRUN_RESOURCE_OBJECT} PROPERTIES OBJECT_DEPENDS "${RESOURCE_BITMAPS}")
else()
  set(RESOURCE_TABLE ${CMAKE_BINARY_DIR}/generated/ResourceTable.cpp)
  add_custom_command(OUTPUT ${RESOURCE_TABLE}
    COMMAND ${CMAKE_COMMAND} -DRESOURCE_DIR=${CMAKE_SOURCE_DIR}/resources -DOUTPUT=${RESOURCE_TABLE}
      -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${RESOURCE_BITMAPS} ${CMAKE_SOURCE_DIR}/resources/skyrun.rc
      ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding the bitmap resources")
  target_sources(skyrun_platform PRIVATE ${RESOURCE_TABLE})
endif()
