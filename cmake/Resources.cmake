# SPDX-License-Identifier: MIT
# The module's bitmaps, as one object library that every program showing them
# links. Windows compiles resources/skyrun.rc into the image's resources;
# Linux embeds the same .bmp files as a generated table of bytes.
file(GLOB RESOURCE_BITMAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.bmp)
if(WIN32)
  enable_language(RC)
  add_library(skyrun_resources OBJECT resources/skyrun.rc)
  # windres reads the bitmaps itself, so CMake is told of them.
  set_source_files_properties(resources/skyrun.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_BITMAPS}")
else()
  set(RESOURCE_TABLE ${CMAKE_BINARY_DIR}/generated/ResourceTable.cpp)
  add_custom_command(OUTPUT ${RESOURCE_TABLE}
    COMMAND ${CMAKE_COMMAND} -DRESOURCE_DIR=${CMAKE_SOURCE_DIR}/resources -DOUTPUT=${RESOURCE_TABLE}
      -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${RESOURCE_BITMAPS} ${CMAKE_SOURCE_DIR}/resources/skyrun.rc
      ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding the bitmap resources")
  add_library(skyrun_resources OBJECT ${RESOURCE_TABLE})
  target_include_directories(skyrun_resources PRIVATE ${CMAKE_SOURCE_DIR})
endif()
