# --- tov_player_tests: tov-play run on small scripts, the GIF recorder, the options, and the
# windowed presenter under Xvfb.
if(TARGET tov-play)
  file(GLOB TOV_PLAYER_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/player/*.cpp)
  add_executable(tov_player_tests ${TOV_PLAYER_TEST_SOURCES})
  target_link_libraries(tov_player_tests PRIVATE tov_player tov_test_support GTest::gtest_main
                        tov_warnings)
  target_compile_definitions(tov_player_tests PRIVATE TOV_PLAY_PATH="$<TARGET_FILE:tov-play>")
  pkg_check_modules(X11 IMPORTED_TARGET x11)
  if(X11_FOUND AND TARGET tov_presenter_sdl)
    target_link_libraries(tov_player_tests PRIVATE PkgConfig::X11)
    target_compile_definitions(tov_player_tests PRIVATE TOV_TEST_WINDOWS=1)
  endif()
  add_dependencies(tov_player_tests tov-play)
  add_test(NAME tov_player_tests COMMAND tov_player_tests --gtest_brief=1)
  set_tests_properties(tov_player_tests PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# --- tov_capi_smoke: a C program that links libtovserver.so, installs the main panel through the
# C interface and writes a PNG snapshot of the screen.
if(TARGET tovserver)
  add_executable(tov_capi_smoke ${CMAKE_CURRENT_SOURCE_DIR}/server/capi_smoke.c)
  target_link_libraries(tov_capi_smoke PRIVATE tovserver tov_warnings)
  set_target_properties(tov_capi_smoke PROPERTIES C_STANDARD 11 C_STANDARD_REQUIRED ON
                                                  C_EXTENSIONS OFF)
  add_test(NAME tov_capi_smoke COMMAND tov_capi_smoke ${CMAKE_BINARY_DIR}/capi_smoke_screen.png)
endif()

# --- tov_docs_tests: what table authors read and use, compared with what generates it: the
# member reference, the first-table guide's script and pictures, the shipped example assets.
if(TARGET tov_member_reference AND TARGET tov-play AND TARGET make_assets)
  file(GLOB TOV_DOCS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/*.cpp)
  add_executable(tov_docs_tests ${TOV_DOCS_TEST_SOURCES}
                 ${CMAKE_CURRENT_SOURCE_DIR}/player/play_runner.cpp)
  target_link_libraries(tov_docs_tests PRIVATE tov_member_reference tov_test_support
                        GTest::gtest_main tov_warnings)
  target_compile_definitions(tov_docs_tests PRIVATE TOV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TOV_PLAY_PATH="$<TARGET_FILE:tov-play>" TOV_MAKE_ASSETS_PATH="$<TARGET_FILE:make_assets>")
  add_dependencies(tov_docs_tests tov-play make_assets)
  add_test(NAME tov_docs_tests COMMAND tov_docs_tests --gtest_brief=1)
  set_tests_properties(tov_docs_tests PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# --- tov_install: cmake --install into a temporary prefix, then the C smoke program built against
# it through pkg-config and run on the installed library.
if(TARGET tovserver AND TARGET tov-play)
  set(TOV_INSTALL_TEST_FLAGS)
  if(TOV_SANITIZE)
    set(TOV_INSTALL_TEST_FLAGS -fsanitize=address,undefined)
  endif()
  add_test(NAME tov_install
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/server/install_test.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_CURRENT_SOURCE_DIR}/server/capi_smoke.c ${PROJECT_VERSION}
                   ${CMAKE_C_COMPILER} ${TOV_INSTALL_TEST_FLAGS})
endif()
