#pragma once
// A Java OrvekDeviceConfig read field by field into an OrvekConfiguration, for
// ApplyConfiguration.
//
// Internal to the Java binding: no guarantee beyond it.
//
// Numbers are limited or cut to their field's width, never rejected; elements
// without their required fields, or with an empty id, are left out; a missing
// member or a Java call that throws is described, cleared and read as absent.
// Texts arrive as standard UTF-8, so the JSON writer can take every one.

#include <orvek/configuration/Configuration.h>

#include <jni.h>

#include <optional>

namespace orvek::internal::jni {

// The configuration `cfg` holds; none when cfg is null, has no class, or a
// standard class or method (Integer, List, Map, Set, Iterator, Map.Entry, Long,
// Double, Boolean) cannot be found. No Java exception is left pending. Call
// inside a local frame: it makes a few references per level of nesting.
std::optional<Configuration::OrvekConfiguration> ReadConfigFromJava(JNIEnv* env, jobject cfg);

}  // namespace orvek::internal::jni
