// Extension listeners learn of every publication exactly once, earlier or later.

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "hal/Extensions.h"
#include "hal/simulation/ExtensionsControl.h"

namespace {

// What one listener saw, in order.
struct Seen {
    std::mutex mutex;
    std::vector<std::pair<std::string, void*>> calls;

    static void Record(void* param, const char* name, void* data) {
        auto* self = static_cast<Seen*>(param);
        std::lock_guard lock(self->mutex);
        self->calls.emplace_back(name, data);
    }
    std::vector<std::pair<std::string, void*>> Calls() {
        std::lock_guard lock(mutex);
        return calls;
    }
};

class ExtensionsTest : public ::testing::Test {
protected:
    void SetUp() override { HALSIM_ResetExtensions(); }
    void TearDown() override { HALSIM_ResetExtensions(); }
};

TEST_F(ExtensionsTest, ListenerSeesEarlierThenLaterPublications) {
    int init = 0, frame = 0, context = 0;
    ASSERT_EQ(HAL_PublishExtension("halsimgui::AddGuiInit", &init), 0);
    ASSERT_EQ(HAL_PublishExtension("halsimgui::AddGuiLateExecute", &frame), 0);
    Seen seen;
    HAL_RegisterExtensionListener(&seen, &Seen::Record);
    EXPECT_EQ(seen.Calls(), (std::vector<std::pair<std::string, void*>>{{"halsimgui::AddGuiInit", &init},
                                                                        {"halsimgui::AddGuiLateExecute", &frame}}));
    ASSERT_EQ(HAL_PublishExtension("halsimgui::GetImguiContext", &context), 0);
    ASSERT_EQ(seen.Calls().size(), 3u);
    EXPECT_EQ(seen.Calls()[2], (std::pair<std::string, void*>{"halsimgui::GetImguiContext", &context}));
}

TEST_F(ExtensionsTest, EveryListenerIsCalledWithItsOwnParam) {
    Seen first, second;
    HAL_RegisterExtensionListener(&first, &Seen::Record);
    HAL_RegisterExtensionListener(&second, &Seen::Record);
    HAL_RegisterExtensionListener(&second, nullptr);  // ignored
    HAL_PublishExtension("one", nullptr);
    EXPECT_EQ(first.Calls().size(), 1u);
    EXPECT_EQ(second.Calls().size(), 1u);
}

TEST_F(ExtensionsTest, DuplicateOrNullNamesAreRefused) {
    Seen seen;
    HAL_RegisterExtensionListener(&seen, &Seen::Record);
    EXPECT_EQ(HAL_PublishExtension("one", nullptr), 0);
    EXPECT_EQ(HAL_PublishExtension("one", &seen), -1);
    EXPECT_EQ(HAL_PublishExtension(nullptr, nullptr), -1);
    EXPECT_EQ(seen.Calls().size(), 1u);
}

// A listener may publish from inside its call: the registry lock is not held.
TEST_F(ExtensionsTest, ListenerMayPublishFromItsCall) {
    Seen seen;
    auto chain = [](void*, const char* name, void*) {
        if (std::string(name) == "first") HAL_PublishExtension("second", nullptr);
    };
    HAL_RegisterExtensionListener(nullptr, chain);
    HAL_RegisterExtensionListener(&seen, &Seen::Record);
    HAL_PublishExtension("first", nullptr);
    std::vector<std::string> names;
    for (const auto& call : seen.Calls()) names.push_back(call.first);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second"}));
}

TEST_F(ExtensionsTest, ResetForgetsListenersAndPublications) {
    Seen seen;
    HAL_RegisterExtensionListener(&seen, &Seen::Record);
    HAL_PublishExtension("one", nullptr);
    HALSIM_ResetExtensions();
    HAL_PublishExtension("two", nullptr);
    EXPECT_EQ(seen.Calls().size(), 1u);
    Seen later;
    HAL_RegisterExtensionListener(&later, &Seen::Record);
    ASSERT_EQ(later.Calls().size(), 1u);
    EXPECT_EQ(later.Calls()[0].first, "two");
    EXPECT_EQ(HAL_PublishExtension("one", nullptr), 0);  // the name is free again
}

// Registering while another thread publishes: each listener still meets each
// extension exactly once.
TEST_F(ExtensionsTest, RacingRegistrationAndPublicationMeetOnce) {
    constexpr int kNames = 50;
    std::vector<std::string> names;
    for (int i = 0; i < kNames; ++i) names.push_back("ext" + std::to_string(i));
    Seen seen[4];
    std::thread publisher([&] {
        for (const auto& name : names) HAL_PublishExtension(name.c_str(), nullptr);
    });
    for (Seen& listener : seen) HAL_RegisterExtensionListener(&listener, &Seen::Record);
    publisher.join();
    for (Seen& listener : seen) {
        std::vector<std::string> got;
        for (const auto& call : listener.Calls()) got.push_back(call.first);
        std::sort(got.begin(), got.end());
        std::vector<std::string> expected = names;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(got, expected);
    }
}

}  // namespace
