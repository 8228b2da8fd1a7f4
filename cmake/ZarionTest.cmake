include(GoogleTest)

# zarion_add_test(<name> SOURCES ... LIBS ... [QT]): one test executable registered with CTest.
# QT tests (QtTest, moc run on their sources) run offscreen; the rest are GoogleTest suites.
function(zarion_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} zarion_warnings zarion_testsupport)
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE Qt6::Test zarion_testsupport_qt)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30
            PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8")
    endif()
endfunction()
