# The icon tool (cmake/icon_tool/): writes the program's icon as an icon
# file for windres or as a PNG file of a size for the icon theme. Built for
# the build machine when the project is configured, as a cross build cannot
# run what it builds; ZALTOR_ICON_TOOL is its path.
include_guard(GLOBAL)
set(icon_tool_dir ${PROJECT_SOURCE_DIR}/cmake/icon_tool)
set(icon_tool_sources ${icon_tool_dir}/write_icon_file.cpp ${icon_tool_dir}/ico_file.cpp
    ${icon_tool_dir}/png_file.cpp ${icon_tool_dir}/icon_pixels.cpp ${PROJECT_SOURCE_DIR}/resources/icon.cpp)
file(GLOB icon_tool_headers ${icon_tool_dir}/*.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_tool_sources}
  ${icon_tool_headers} ${PROJECT_SOURCE_DIR}/resources/resources.h)
set(ZALTOR_ICON_TOOL ${PROJECT_BINARY_DIR}/write-icon-file CACHE INTERNAL "The icon tool")
execute_process(COMMAND c++ -std=c++20 -I${PROJECT_SOURCE_DIR} ${icon_tool_sources} -o ${ZALTOR_ICON_TOOL}
  COMMAND_ERROR_IS_FATAL ANY)
