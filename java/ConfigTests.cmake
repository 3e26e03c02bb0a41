# The configuration natives' JUnit runs (included by java/CMakeLists.txt).
#
# java_config_recording: ParseConfigJson and GetConfig against stand-in builders
#   that record each call; their jar comes first on the class path, so its
#   OrvekDeviceConfig takes the place of the real one.
# java_config_apply: ApplyConfiguration with the real classes, observed through
#   GetConfig and the device's events.

file(GLOB_RECURSE ORVEK_RECORDING_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/testRecording/java/*.java)
add_jar(orvek_recording_tests SOURCES ${ORVEK_RECORDING_SOURCES} OUTPUT_NAME orvek-recording-tests
  INCLUDE_JARS orvek_java ${ORVEK_JUNIT_JAR})
add_dependencies(orvek_recording_tests OrvekDriver)
orvek_junit_run(java_config_recording CLASSPATH orvek_recording_tests orvek_java SCAN orvek_recording_tests)

file(GLOB_RECURSE ORVEK_APPLY_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/testConfig/java/*.java)
if(ORVEK_APPLY_SOURCES)
  add_jar(orvek_config_tests SOURCES ${ORVEK_APPLY_SOURCES} OUTPUT_NAME orvek-config-tests
    INCLUDE_JARS orvek_java ${ORVEK_JUNIT_JAR})
  add_dependencies(orvek_config_tests OrvekDriver)
  orvek_junit_run(java_config_apply CLASSPATH orvek_java orvek_config_tests SCAN orvek_config_tests)
endif()

# jni_apply_device: what the device applies from each field that ApplyConfiguration
# reads, on the device's own applied configuration. A GoogleTest program of its
# own (tests/jniapply) that starts a VM with orvek.jar and the cases of the jar
# above, so it is registered here rather than beside the other test areas.
if(TARGET orvek_config_tests)
  find_package(GTest REQUIRED)
  add_executable(test_jniapply ${PROJECT_SOURCE_DIR}/tests/jniapply/ApplyConfigurationDeviceTest.cpp)
  target_include_directories(test_jniapply PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(test_jniapply PRIVATE orvek_internal ${JAVA_JVM_LIBRARY} GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_jniapply PRIVATE
    ORVEK_TEST_CLASSPATH="$<TARGET_PROPERTY:orvek_java,JAR_FILE>:$<TARGET_PROPERTY:orvek_config_tests,JAR_FILE>")
  add_dependencies(test_jniapply orvek_java orvek_config_tests)
  add_test(NAME jni_apply_device COMMAND test_jniapply)
  set_tests_properties(jni_apply_device PROPERTIES LABELS java FAIL_REGULAR_EXPRESSION "WARNING in native method")
endif()
