# One static library per layer: every .cpp of the layer's folder and its subfolders is part of it,
# so adding a source file needs no change here.
function(tessel_layer name)
    cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
    # A layer may group its files in subfolders (the windows of the editor).
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(GLOB_RECURSE resources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    if(NOT sources)
        # A layer with headers only links as an interface.
        add_library(tessel_${name} INTERFACE)
        target_include_directories(tessel_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(tessel_${name} INTERFACE ${L_DEPS})
        return()
    endif()
    add_library(tessel_${name} STATIC ${sources} ${headers} ${resources})
    target_include_directories(tessel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(tessel_${name} PUBLIC ${L_DEPS})
endfunction()

# One test program per layer from every .cpp of tests/<layer>/.
# MAIN names the test main: core, gui or widgets (which Qt application it creates).
function(tessel_layer_tests name)
    cmake_parse_arguments(T "" "MAIN" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(tests_${name} ${sources}
        ${PROJECT_SOURCE_DIR}/tests/support/test_main_${T_MAIN}.cpp)
    target_include_directories(tests_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(tests_${name} PRIVATE
        TESSEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TESSEL_BIN_DIR="${TESSEL_BIN_DIR}")
    target_link_libraries(tests_${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gmock)
    # Tests read the language files and the icon library beside the binaries.
    add_dependencies(tests_${name} tessel_data)
    if(TARGET tessel_icons)
        add_dependencies(tests_${name} tessel_icons)
    endif()
    gtest_discover_tests(tests_${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${TESSEL_BIN_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
