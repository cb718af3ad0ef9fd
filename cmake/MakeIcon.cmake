# SPDX-License-Identifier: MIT
# Makes the application icon from the game's own pictures: the player's
# aircraft over a stretch of river and road, doubled to 48 x 48 pixels.
#   cmake -DRESOURCE_DIR=resources -DOUTPUT=skyrun.png|skyrun.ico -P MakeIcon.cmake
find_program(CONVERT convert)
if(NOT CONVERT)
  message(FATAL_ERROR "making the icon needs ImageMagick's convert (Debian: imagemagick)")
endif()
execute_process(
  COMMAND ${CONVERT} ${RESOURCE_DIR}/ground_138.bmp -crop 24x24+52+52 +repage
    ( ${RESOURCE_DIR}/plane_129.bmp -transparent white ) -gravity center -composite
    -scale 200% -strip -define png:exclude-chunks=date,time ${OUTPUT}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "convert could not make ${OUTPUT}")
endif()
