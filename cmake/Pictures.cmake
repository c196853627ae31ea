# The program's pictures (icon, toolbar strips, About picture) are drawn at build
# time by tools/make_pictures.py; the repository holds no image files.
#
# cw_generate_pictures(OUTDIR_VAR)
#   Adds the custom target `pictures`, which writes into ${CMAKE_BINARY_DIR}/pictures:
#     chengwang.ico  toolbar16.bmp  toolbar24.bmp  toolbar32.bmp
#     about64.bmp  about128.bmp  preview.png
#   Sets OUTDIR_VAR in the caller's scope to that folder and OUTDIR_VAR_FILES to the
#   full paths of the resource files (for OBJECT_DEPENDS on the .rc file).
#
# cw_add_pictures_test()
#   Registers the generator's unittest with CTest (it needs only python3).

find_program(CW_PYTHON3 python3 REQUIRED)

set(CW_PICTURES_TOOLS_DIR ${CMAKE_CURRENT_LIST_DIR}/../tools)
cmake_path(NORMAL_PATH CW_PICTURES_TOOLS_DIR)
set(CW_PICTURES_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH CW_PICTURES_SOURCE_DIR)

function(cw_generate_pictures outdir_var)
  set(outdir ${CMAKE_BINARY_DIR}/pictures)
  set(resource_names chengwang.ico toolbar16.bmp toolbar24.bmp toolbar32.bmp about64.bmp about128.bmp)
  list(TRANSFORM resource_names PREPEND ${outdir}/ OUTPUT_VARIABLE resource_files)

  if(NOT TARGET pictures)
    file(GLOB generator_sources CONFIGURE_DEPENDS ${CW_PICTURES_TOOLS_DIR}/picturegen/*.py)
    add_custom_command(
      OUTPUT ${resource_files} ${outdir}/preview.png
      COMMAND ${CW_PYTHON3} tools/make_pictures.py ${outdir}
      WORKING_DIRECTORY ${CW_PICTURES_SOURCE_DIR}
      DEPENDS ${CW_PICTURES_TOOLS_DIR}/make_pictures.py ${generator_sources}
      COMMENT "Drawing the program's pictures"
      VERBATIM)
    add_custom_target(pictures DEPENDS ${resource_files} ${outdir}/preview.png)
  endif()

  set(${outdir_var} ${outdir} PARENT_SCOPE)
  set(${outdir_var}_FILES ${resource_files} PARENT_SCOPE)
endfunction()

function(cw_add_pictures_test)
  add_test(NAME make_pictures_test
           COMMAND ${CW_PYTHON3} -B ${CW_PICTURES_TOOLS_DIR}/test_make_pictures.py
           WORKING_DIRECTORY ${CW_PICTURES_TOOLS_DIR})
endfunction()
