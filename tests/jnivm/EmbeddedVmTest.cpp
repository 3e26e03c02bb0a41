// The natives called in an embedded VM (with -Xcheck:jni) on the device of this
// process, so a test can push every kind of event and look at zone state.

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/OrvekJNI.h"
#include "pavonixVariant/c_Pavonix.h"
#include "ui/BitmapLoader.h"

#include <orvek/util/hashing/IDCreator.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using orvek::internal::PavonixSimDevice;
using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;
namespace Eventing = orvek::internal::Eventing;
using namespace std::string_literals;

PavonixSimDevice& Device() { return *PavonixSimDevice::GetInstance(); }

class EmbeddedVmTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (s_vm != nullptr) return;  // one VM per process
        std::string classPath = "-Djava.class.path=" ORVEK_JAVA_JAR;
        JavaVMOption options[] = {{classPath.data(), nullptr}, {const_cast<char*>("-Xcheck:jni"), nullptr}};
        JavaVMInitArgs args{JNI_VERSION_1_6, 2, options, JNI_FALSE};
        ASSERT_EQ(JNI_CreateJavaVM(&s_vm, reinterpret_cast<void**>(&s_env), &args), JNI_OK);
    }

    // Each test's local references go with its frame.
    void SetUp() override {
        ASSERT_EQ(env()->PushLocalFrame(256), 0);
        Device().ResetForTesting();
        const std::string config =
            R"({"channels":{"c":{"id":"c","length":200,"zones":[{"id":"strip","type":"strip","length":60},)"
            R"({"id":"strip2","type":"strip","length":60},{"id":"panel","type":"matrix","rows":8,"cols":8},)"
            R"({"id":"panel2","type":"matrix","rows":8,"cols":8}]}},)"
            R"("sequences":[{"id":"seq","steps":[{"animationId":"Fill","delay":10,"reversed":false}]}],)"
            R"("bitmaps":[{"id":"logo","type":"static","path":"logo.bmp"}],)"
            R"("groups":[{"id":"strips","zoneIds":["strip2"]},{"id":"panels","zoneIds":["panel2"]}]})";
        pv_ApplyConfigurationJson(nullptr, config.data(), config.size());
    }

    // ExceptionDescribe clears what it prints, so the check comes first.
    void TearDown() override {
        const bool pending = env()->ExceptionCheck();
        if (pending) env()->ExceptionDescribe();
        EXPECT_FALSE(pending) << "a native left a Java exception pending";
        env()->PopLocalFrame(nullptr);
    }

    static JNIEnv* env() { return s_env; }

    // Field readers; every reference goes with the test's frame. Object fields name
    // their class in com/rozovedar/domain/event unless the signature is given.
    static jobject Get(jobject object, const char* field, const std::string& type) {
        const std::string signature =
            type.find('/') != std::string::npos || type[0] == '[' ? type : "Lcom/rozovedar/domain/event/" + type + ";";
        return env()->GetObjectField(object,
                                     env()->GetFieldID(env()->GetObjectClass(object), field, signature.c_str()));
    }
    static jint GetInt(jobject object, const char* field, const char* signature) {
        jfieldID id = env()->GetFieldID(env()->GetObjectClass(object), field, signature);
        return *signature == 'B' ? env()->GetByteField(object, id) : env()->GetIntField(object, id);
    }
    // The Java text as UTF-16 code units, so nothing is lost to a conversion on the way back.
    static std::u16string Text(jobject string) {
        if (string == nullptr) return u"<null>";
        const jchar* chars = env()->GetStringChars(static_cast<jstring>(string), nullptr);
        std::u16string text(reinterpret_cast<const char16_t*>(chars),
                            env()->GetStringLength(static_cast<jstring>(string)));
        env()->ReleaseStringChars(static_cast<jstring>(string), chars);
        return text;
    }
    static std::string Name(jobject constant) {
        if (constant == nullptr) return "<null>";
        jclass cls = env()->GetObjectClass(constant);
        jobject name = env()->CallObjectMethod(constant, env()->GetMethodID(cls, "name", "()Ljava/lang/String;"));
        if (env()->ExceptionCheck()) return "<exception>";
        const std::u16string text = Text(name);
        return std::string(text.begin(), text.end());
    }
    static jobject NewColor(int8_t r, int8_t g, int8_t b) {
        jclass cls = env()->FindClass("com/rozovedar/domain/led/AnimationColor");
        return env()->NewObject(cls, env()->GetMethodID(cls, "<init>", "(BBB)V"), r, g, b);
    }
    static jobject Direction(const char* name) {
        jclass cls = env()->FindClass("com/rozovedar/domain/led/MatrixTextScrollDirection");
        return env()->GetStaticObjectField(
            cls, env()->GetStaticFieldID(cls, name, "Lcom/rozovedar/domain/led/MatrixTextScrollDirection;"));
    }
    static jstring Str(const char* text) { return env()->NewStringUTF(text); }
    static jobject Animation(const char* name) {
        jclass cls = env()->FindClass("com/rozovedar/domain/led/Animation");
        return env()->GetStaticObjectField(cls,
                                           env()->GetStaticFieldID(cls, name, "Lcom/rozovedar/domain/led/Animation;"));
    }
    // Pushes `event` and takes it back through GetEvents as a Java Event.
    static jobject RoundTrip(const Event& event) {
        Device().ClearAllEvents();
        Device().PushEvent(event);
        auto array = Java_com_rozovedar_jni_OrvekJNI_GetEvents(env(), nullptr, 0);
        EXPECT_EQ(env()->GetArrayLength(array), 1);
        return env()->GetObjectArrayElement(array, 0);
    }

    static inline JavaVM* s_vm = nullptr;
    static inline JNIEnv* s_env = nullptr;
};

TEST_F(EmbeddedVmTest, ColorBytesAndDelaysReachTheZoneUnsigned) {
    Java_com_rozovedar_jni_OrvekJNI_SetAnimation(env(), nullptr, 0, env()->NewStringUTF("strip"), Animation("Comet"),
                                                 NewColor(-1, 0, 127), 70000, JNI_TRUE, JNI_FALSE);
    orvek::internal::pavonix::sim::ZoneState zone{};
    ASSERT_TRUE(Device().TryGetZone(orvek::internal::IDCreator::createId("strip"), zone));
    EXPECT_EQ(zone.lastColor.r, 255);
    EXPECT_EQ(zone.lastColor.g, 0);
    EXPECT_EQ(zone.lastColor.b, 127);
    EXPECT_EQ(zone.applied.delay, 4464);
    EXPECT_EQ(zone.applied.reversed, 1);
}

// The matrix and sequence commands as the zone holds them, one line per command kind.
std::string Describe(const orvek::internal::pavonix::sim::ZoneState& zone) {
    using orvek::internal::Command::LED::LEDCommandType;
    const auto rgb = [](auto c) { return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b); };
    switch (zone.lastCommand) {
        case LEDCommandType::SetMatrixText: {
            const auto& t = zone.lastMatrixText;
            return "text '" + std::string(t.text, t.length) + "' dir " + std::to_string(static_cast<int>(t.dir)) +
                   " delay " + std::to_string(t.delay) + " once " + std::to_string(t.oneShot) + " " + rgb(t.color);
        }
        case LEDCommandType::SetBitmap: {
            const auto& b = zone.lastBitmap;
            return "bitmap " + std::to_string(b.bitmapId) + " tint " + std::to_string(b.setColor) + " once " +
                   std::to_string(b.oneShot) + " " + rgb(b.color);
        }
        case LEDCommandType::SetAnimationSequence: return "sequence " + std::to_string(zone.lastSequenceId);
        default: return "command " + std::to_string(static_cast<int>(zone.lastCommand));
    }
}

TEST_F(EmbeddedVmTest, MatrixAndSequenceCommandsReachTheirZonesAsGiven) {
    using orvek::internal::IDCreator;
    const std::string logo = std::to_string(IDCreator::createId("logo"));
    const struct {
        const char* zone;
        void (*command)();
        std::string expected;
    } cases[] = {
        {"panel",
         [] {
             Java_com_rozovedar_jni_OrvekJNI_SetText(env(), nullptr, 0, Str("panel"), Str("GO \xC3\xA9"),
                                                     NewColor(1, 2, -3), Direction("RIGHT"), 70000, JNI_TRUE);
         },
         "text 'GO \xC3\xA9' dir 1 delay 4464 once 1 1,2,253"},
        {"panel2",
         [] {
             Java_com_rozovedar_jni_OrvekJNI_SetGroupText(env(), nullptr, 0, Str("panels"), Str("HI"),
                                                          NewColor(4, 5, 6), Direction("LEFT"), 60, JNI_FALSE);
         },
         "text 'HI' dir 0 delay 60 once 0 4,5,6"},
        {"panel",
         [] {
             Java_com_rozovedar_jni_OrvekJNI_SetBitmap(env(), nullptr, 0, Str("panel"), Str("logo"), NewColor(7, 8, 9),
                                                       JNI_TRUE, JNI_FALSE);
         },
         "bitmap " + logo + " tint 1 once 0 7,8,9"},
        {"panel2",
         [] {
             Java_com_rozovedar_jni_OrvekJNI_SetGroupBitmap(env(), nullptr, 0, Str("panels"), Str("logo"),
                                                            NewColor(10, 11, 12), JNI_FALSE, JNI_TRUE);
         },
         "bitmap " + logo + " tint 0 once 1 10,11,12"},
        {"strip2",
         [] {
             Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimationSequence(env(), nullptr, 0, Str("strips"), Str("seq"));
         },
         "sequence " + std::to_string(IDCreator::createId("seq"))},
    };
    Device().ClearAllEvents();
    for (const auto& c : cases) {
        c.command();
        orvek::internal::pavonix::sim::ZoneState zone{};
        ASSERT_TRUE(Device().TryGetZone(IDCreator::createId(c.zone), zone)) << c.zone;
        EXPECT_EQ(Describe(zone), c.expected);
    }
    Event refusal;
    EXPECT_FALSE(Device().TryPopLatestEvent(refusal)) << "a command was refused";
}

TEST_F(EmbeddedVmTest, DeployPathReachesTheBitmapLoaderAndNullLeavesIt) {
    Java_com_rozovedar_jni_OrvekJNI_SetDeployPath(env(), nullptr, env()->NewStringUTF("/robot/deploy"));
    EXPECT_EQ(orvek::internal::BitmapLoader::GetDeployPath(), "/robot/deploy");
    Java_com_rozovedar_jni_OrvekJNI_SetDeployPath(env(), nullptr, nullptr);
    EXPECT_EQ(orvek::internal::BitmapLoader::GetDeployPath(), "/robot/deploy");
}

// An event object filled twice keeps the members of its first event.
TEST_F(EmbeddedVmTest, ReusedEventObjectKeepsEarlierMembers) {
    jclass cls = env()->FindClass("com/rozovedar/domain/event/Event");
    jobject target = env()->NewObject(cls, env()->GetMethodID(cls, "<init>", "()V"));
    Event pin;
    pin.header.type = EventType::PinInterrupt;
    pin.header.data.pinInterrupt.pin = 7;
    Event entity;
    entity.header.type = EventType::RegisteredEntity;
    entity.header.data.registeredEntity.id = 9;
    for (const Event& event : {pin, entity}) {
        Device().PushEvent(event);
        ASSERT_TRUE(Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent(env(), nullptr, 0, target));
    }
    EXPECT_EQ(Name(Get(target, "type", "EventType")), "RegisteredEntity");
    EXPECT_EQ(GetInt(Get(target, "registeredEntity", "EventRegisteredEntityInfo"), "id", "I"), 9);
    EXPECT_EQ(GetInt(Get(target, "pinInterrupt", "EventPinInterruptInfo"), "pin", "B"), 7);
}

TEST_F(EmbeddedVmTest, UnknownStatusIsMinusOne) {
    Device().SetConnected(true);  // a disconnected device reports Error whatever it heard
    Event heartBeat;
    heartBeat.header.type = EventType::HeartBeat;
    heartBeat.header.data.heartBeat = {Eventing::Status::Unknown, 1, 0, 1};
    jobject event = RoundTrip(heartBeat);
    EXPECT_EQ(Java_com_rozovedar_jni_OrvekJNI_GetCurrentStatus(env(), nullptr, 0), -1);
    jobject info = Get(event, "heartBeat", "EventHeartBeatInfo");
    EXPECT_EQ(Name(Get(info, "status", "Status")), "Unknown");
    EXPECT_EQ(GetInt(info, "enabled", "B"), 1);
    EXPECT_EQ(GetInt(info, "connectedUSB", "B"), 0);
    EXPECT_EQ(GetInt(info, "canOK", "B"), 1);
}

TEST_F(EmbeddedVmTest, EventsOnlyTheDeviceItselfRaises) {
    Event disconnected, entity, pin, fatal, custom;
    disconnected.header.type = EventType::Disconnected;
    disconnected.header.data.disconnected.type = Eventing::ConnectionType::UART;
    entity.header.type = EventType::RegisteredEntity;
    entity.header.data.registeredEntity.id = 0xFFFF;
    pin.header.type = EventType::PinInterrupt;
    pin.header.data.pinInterrupt.pin = 200;
    fatal.header.type = EventType::FatalError;
    fatal.header.data.fatalError.type = Eventing::FatalErrorType::BadConfig;
    std::memcpy(fatal.header.data.fatalError.message, "ABCDEFGHIJKLMNOPQ", 16);  // no NUL within 16
    custom.header.type = EventType::Custom;
    custom.header.data.custom.type = 7;
    custom.header.data.custom.length = 20;  // more than the 16 data bytes

    EXPECT_EQ(
        Name(Get(Get(RoundTrip(disconnected), "disconnected", "EventDisconnectedInfo"), "type", "EventConnectionType")),
        "UART");
    EXPECT_EQ(GetInt(Get(RoundTrip(entity), "registeredEntity", "EventRegisteredEntityInfo"), "id", "I"), 65535);
    EXPECT_EQ(GetInt(Get(RoundTrip(pin), "pinInterrupt", "EventPinInterruptInfo"), "pin", "B"),
              static_cast<int8_t>(200));
    jobject fatalInfo = Get(RoundTrip(fatal), "fatalError", "EventFatalError");
    EXPECT_EQ(Text(Get(fatalInfo, "message", "Ljava/lang/String;")), u"ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Name(Get(fatalInfo, "type", "EventFatalErrorType")), "BadConfig");
    jobject customInfo = Get(RoundTrip(custom), "custom", "EventCustomInfo");
    EXPECT_EQ(GetInt(customInfo, "type", "B"), 7);
    EXPECT_EQ(env()->GetArrayLength(static_cast<jarray>(Get(customInfo, "data", "[B"))), 16);
}

TEST_F(EmbeddedVmTest, ExtraMessagesKeepZeroCharactersAndLeaveNoInvalidText) {
    const struct {
        std::string bytes;
        std::u16string java;
    } cases[] = {
        {"a\0b\xF0\x9F\x98\x80"s, u"a\0b\U0001F600"s},
        {"caf\xE9!", u"caf\uFFFD!"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        Event ota;
        ota.header.type = EventType::OTA;
        ota.extraMsg = Eventing::ExtraMessagePayload::create(reinterpret_cast<const uint8_t*>(c.bytes.data()),
                                                             static_cast<uint16_t>(c.bytes.size()));
        jobject event = RoundTrip(ota);
        EXPECT_EQ(Name(Get(event, "type", "EventType")), "OTA");
        EXPECT_EQ(Text(Get(event, "extraMessage", "Ljava/lang/String;")), c.java);
    }
}

}  // namespace
