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
