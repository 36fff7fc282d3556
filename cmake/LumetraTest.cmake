# One way to register a test: GoogleTest binary, offscreen Qt, fixed time zone.
find_package(GTest REQUIRED)

function(lumetra_add_test NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${NAME} ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main Qt6::Test)
  target_compile_definitions(${NAME} PRIVATE
    LUMETRA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    LUMETRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_include_directories(${NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${NAME} COMMAND ${NAME})
  set_tests_properties(${NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Europe/Berlin;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp;ASAN_OPTIONS=detect_leaks=1"
    TIMEOUT 300)
endfunction()
