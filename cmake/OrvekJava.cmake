# The Java toolchain and JNI of the JDK that provides javac (Debian's openjdk-17).
#
# Sets what find_package(Java) and find_package(JNI) set. JNI_INCLUDE_DIRS is for
# the binding (which must not link libjvm); JAVA_JVM_LIBRARY is for programs that
# start a VM of their own (benchmarks, tests). Including it again is harmless.

find_package(Java 17 REQUIRED COMPONENTS Development Runtime)

# FindJNI searches JAVA_HOME; without one it may miss the JDK that javac belongs to.
if(NOT JAVA_HOME AND NOT DEFINED ENV{JAVA_HOME})
  get_filename_component(_orvek_javac "${Java_JAVAC_EXECUTABLE}" REALPATH)
  get_filename_component(_orvek_jdk_bin "${_orvek_javac}" DIRECTORY)
  get_filename_component(JAVA_HOME "${_orvek_jdk_bin}" DIRECTORY)
endif()
find_package(JNI REQUIRED COMPONENTS JVM)
