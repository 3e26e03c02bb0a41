#pragma once
// Internal to the panel; no guarantee. What the LED tab keeps from frame to frame
// (a staged command form per zone, the animation form last edited, the active
// zone) and the lists it builds every frame from the device's copies.
//
// GUI thread only; nothing here is locked.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <orvek/configuration/configs/Channel.h>
#include <orvek/domain/command/led/LEDCommand.h>

namespace orvek::internal {
class PavonixSimDevice;
}

namespace orvek::internal::ui {

// Which command form a zone shows.
enum class ZoneCommandMode : uint8_t {
    Animation = 0,
    AnimationSequence = 1,
    MatrixBitmap = 2,
    MatrixText = 3,
};

// The text field's buffer: 24 characters and the terminator.
inline constexpr size_t kTextBufferSize = 25;

// One zone's forms: the commands they stage, kept until the process ends. A new
// one is all zero (Animation form, nothing staged, nothing initialised).
struct ZoneControlState {
    ZoneCommandMode mode = ZoneCommandMode::Animation;
    Command::LED::SetAnimationData animation = Command::LED::Zeroed<Command::LED::SetAnimationData>();
    uint16_t sequenceId = 0;
    Command::LED::SetBitmapData bitmap = Command::LED::Zeroed<Command::LED::SetBitmapData>();
    Command::LED::SetMatrixTextData matrixText = Command::LED::Zeroed<Command::LED::SetMatrixTextData>();
    std::array<char, kTextBufferSize> textBuffer{};  // the text field's edit buffer
    bool animationInitialized = false;               // each: the staged command has had its first-use defaults
    bool bitmapInitialized = false;
    bool textInitialized = false;
};

// The tab's memory. Form states are keyed by channel id + ":" + zone id, made on
// first look-up and never removed, so a zone that leaves the configuration and
// comes back finds its forms as it left them.
struct LedTabStatics {
    std::unordered_map<std::string, ZoneControlState> zoneControlStates;
    std::optional<Command::LED::SetAnimationData> lastAnimationPreset;  // seeds the forms of zones seen later
    int selectedZoneIdx = 0;                                            // index into LedTabLists::zones
};

// The one LED tab's memory, made on first use.
LedTabStatics& GetLedTabStatics();

// One configured zone as the forms list it. The pointers point into the frame's
// channel copy and are good for that frame only.
struct ZoneEntry {
    const Configuration::Channel* channel = nullptr;
    const Configuration::Zone* zone = nullptr;
    std::string label;       // "front / bumper (Strip)", "rear / panel (Matrix 16x16)"
    std::string stateKey;    // the zone's key in zoneControlStates
    uint16_t zoneHash = 0;   // the id of the zone's name
    std::string hashedName;  // the name zoneHash belongs to: the entry is reused and its id kept while the name stays
};

// The frame's choices. Labels and ids run in parallel.
struct LedTabLists {
    std::vector<std::string> animationLabels;  // "None" and the built-in names
    std::vector<int> animationComboToBuiltIn;  // built-in table index per label; -1 for "None"
    std::vector<uint16_t> sequenceIds;
    std::vector<std::string> sequenceLabels;  // "name (id)"
    std::vector<uint16_t> bitmapIds;
    std::vector<std::string> bitmapLabels;  // "name (id)"
    std::vector<ZoneEntry> zones;           // every zone of every channel, in configuration order
};

// Rebuilds `lists` from the device's name lists and `channels` (which must
// outlive the frame's use of the zone entries), reusing the lists' storage. The
// zone entries of each channel are consecutive, in the channel's zone order.
void BuildLedTabLists(PavonixSimDevice& device, const std::vector<Configuration::Channel>& channels,
                      LedTabLists& lists);

}  // namespace orvek::internal::ui
