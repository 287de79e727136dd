# make_assets writes every asset the demo uses; the demo_assets target runs it into
# <build>/examples/assets whenever the generator changed.
file(GLOB TOV_ASSET_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/assets/*.cpp)
add_executable(make_assets ${TOV_ASSET_SOURCES})
target_link_libraries(make_assets PRIVATE tov_warnings)

set(TOV_DEMO_ASSETS_DIR ${CMAKE_BINARY_DIR}/examples/assets)
set(TOV_DEMO_ASSETS_STAMP ${CMAKE_BINARY_DIR}/examples/assets.stamp)
add_custom_command(
  OUTPUT ${TOV_DEMO_ASSETS_STAMP}
  COMMAND make_assets ${TOV_DEMO_ASSETS_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${TOV_DEMO_ASSETS_STAMP}
  DEPENDS make_assets
  COMMENT "Writing the demo assets into ${TOV_DEMO_ASSETS_DIR}"
  VERBATIM)
add_custom_target(demo_assets ALL DEPENDS ${TOV_DEMO_ASSETS_STAMP})
