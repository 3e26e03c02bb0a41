#pragma once
// The configuration report: the applied channels as the Java GetConfig reads them back.

#include <orvek/configuration/Configuration.h>

#include <string>
#include <vector>

namespace orvek::internal::c_Pavonix {

// Compact JSON with sorted member names, {"channels":{...}}: one member per
// channel, named by its key (its id when the key is empty), with "id", "length",
// "brightness" when set, and "zones" (strips: "type" "Strip", "id", "length",
// "reversed"; matrices: "type" "Matrix", "id", "rows", "cols" and "orientation"
// as the object of words). Text that is not valid UTF-8 is written with
// replacement characters rather than thrown. Pure; any thread.
std::string ChannelsReport(const std::vector<Configuration::Channel>& channels);

}  // namespace orvek::internal::c_Pavonix
