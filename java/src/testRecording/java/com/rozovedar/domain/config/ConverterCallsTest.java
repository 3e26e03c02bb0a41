package com.rozovedar.domain.config;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.rozovedar.jni.OrvekJNI;
import java.util.List;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

/** The builder calls ParseConfigJson and GetConfig make, recorded by the stand-in builders. */
class ConverterCallsTest {
    private static final String EVERY_KIND = """
        {"channels":{"c":{"length":4,"zones":[{"id":"z","type":"strip"}]}},
         "sequences":[{"id":"s","steps":[{"animationId":"Fill","color":{"r":1}}]}],
         "bitmaps":[{"id":"b"}], "sensors":[{"id":"m","type":"t","config":{"k":1}}],
         "groups":[{"id":"g","zoneIds":["z"]}]}""";

    @AfterEach
    void resetBuilders() {
        OrvekDeviceConfig.failOn = null;
        OrvekDeviceConfig.nullOn = null;
    }

    /** The calls between Builder() and Build(), blank-separated. */
    private static String callsFor(String json) {
        OrvekDeviceConfig.CALLS.clear();
        assertNotNull(OrvekJNI.ParseConfigJson(json), json);
        List<String> calls = OrvekDeviceConfig.CALLS;
        assertEquals("Builder()", calls.get(0));
        assertEquals("Build()", calls.get(calls.size() - 1));
        return String.join(" ", calls.subList(1, calls.size() - 1));
    }

    static Stream<Arguments> conversions() {
        return Stream.of(
            Arguments.of("empty object", "{}", ""),
            Arguments.of("array root", "[{\"team\":\"1\"}]", ""),
            Arguments.of("channels as array", "{\"channels\":[{\"id\":\"a\",\"length\":3}]}", ""),
            Arguments.of("channel of length only", "{\"channels\":{\"main\":{\"length\":10}}}",
                "AddChannel(main,10) Key(main) EndChannel()"),
            Arguments.of("lengths 0, text, float", "{\"channels\":{\"a\":{\"length\":0},\"b\":{\"length\":\"10\"},"
                + "\"c\":{\"length\":10.5}}}", ""),
            Arguments.of("channels in key order", "{\"channels\":{\"b\":{\"length\":1},\"a\":{\"id\":\"x\",\"length\":2}}}",
                "AddChannel(x,2) Key(a) EndChannel() AddChannel(b,1) Key(b) EndChannel()"),
            Arguments.of("zones", "{\"channels\":{\"c\":{\"length\":9,\"brightness\":-7,\"zones\":["
                + "{\"id\":\"m\",\"type\":\"Matrix\",\"rows\":8,\"cols\":32},"
                + "{\"id\":\"n\",\"type\":\"matrix\",\"rows\":1,\"cols\":2,\"brightness\":300,"
                + "\"orientation\":{\"cornerTopBottom\":\"bottom\",\"sequenceLayout\":\"zigzag\",\"axisLayout\":\"Cols\"}},"
                + "{\"id\":\"s\",\"type\":\"strip\",\"length\":-5},{\"id\":\"t\",\"type\":\"Strip\",\"reversed\":true,"
                + "\"brightness\":12},{\"id\":\"\",\"type\":\"strip\"},{\"id\":\"u\",\"type\":\"STRIP\"}]}}}",
                "AddChannel(c,9) Key(c) Brightness(0) AddMatrixZoneWithOrientation(m,8,32,0) AddMatrixZone(n,1,2,255,9) "
                + "AddStripZone(s,-5,false) AddStripZone(t,0,true,12) EndChannel()"),
            Arguments.of("md5 as text", "{\"md5\":\"00112233445566778899aabbccddeeFF\"}",
                "WithMd5(00112233445566778899aabbccddeeff)"),
            Arguments.of("md5 text with a non-digit", "{\"md5\":\"00112233445566778899aabbccddeegg\"}", ""),
            Arguments.of("md5 array of 16", "{\"md5\":[300,-5,0,1,2,3,4,5,6,7,8,9,10,11,12,255]}",
                "WithMd5(ff00000102030405060708090a0b0cff)"),
            Arguments.of("md5 array of 15", "{\"md5\":[0,1,2,3,4,5,6,7,8,9,10,11,12,13,14]}", ""),
            Arguments.of("team text, not number", "{\"team\":\"1234\"}", "ForTeam(1234)"),
            Arguments.of("team number", "{\"team\":1234}", ""),
            Arguments.of("network mode word", "{\"network\":{\"mode\":\"uart\",\"type\":\"can\",\"baud\":9600}}",
                "SetNetworkType(UART) SetBaudRate(9600)"),
            Arguments.of("network type word", "{\"network\":{\"type\":\"can\",\"address\":300}}",
                "SetNetworkType(CAN) SetI2CAddress(255)"),
            Arguments.of("network word naming no constant", "{\"network\":{\"mode\":\"wifi\",\"address\":-4}}",
                "SetI2CAddress(0)"),
            Arguments.of("steps", "{\"sequences\":[{\"id\":\"s\",\"steps\":[{\"animationId\":\"Fill\",\"color\":{\"r\":300},"
                + "\"delay\":-20,\"reversed\":true,\"repeat\":1000},{\"delay\":5},{\"animationId\":\"Blink\"}]},{\"steps\":[]}]}",
                "AddSequence(s) AddStep(Fill) WithColor(255,0,0) WithDelay(0) Reverse(true) WithRepeat(1000) EndStep() "
                + "AddStep(Blink) EndStep() EndSequence()"),
            Arguments.of("bitmap kinds", "{\"bitmaps\":[{\"id\":\"a\",\"type\":\"Static\",\"path\":\"p\"},"
                + "{\"id\":\"b\",\"type\":\"static\",\"path\":\"p.bmp\"},{\"id\":\"c\",\"type\":\"animated\",\"folder\":\"f\","
                + "\"delay\":-3},{\"id\":\"d\",\"type\":\"animated\"}]}",
                "AddBitmap(a) EndBitmap() AddBitmap(b) Static(p.bmp) EndBitmap() AddBitmap(c) Animated(f,0) EndBitmap() "
                + "AddBitmap(d) EndBitmap()"),
            Arguments.of("module config boxed", "{\"sensors\":[{\"id\":\"m\",\"type\":\"t\",\"pollingRateMs\":-3,\"config\":"
                + "{\"u\":18446744073709551615,\"n\":null,\"d\":0.5,\"b\":true,\"s\":\"v\",\"a\":[1]}},"
                + "{\"id\":\"\",\"type\":\"t\"},{\"id\":\"x\",\"type\":\"t\",\"connection\":\"spi\"}]}",
                "AddModule(m,t,-3,) WithConfig(b,Boolean:true) WithConfig(d,Double:0.5) WithConfig(s,v) "
                + "WithConfig(u,Long:-1) EndModule() AddModule(x,t,0,spi) EndModule()"),
            Arguments.of("groups", "{\"groups\":[{\"id\":\"g\"},{\"id\":\"h\",\"zoneIds\":[\"a\",1,\"\",\"b\"]},{\"zoneIds\":[\"c\"]}]}",
                "AddGroup(g) EndGroup() AddGroup(h) AddZone(a) AddZone() AddZone(b) EndGroup()"),
            Arguments.of("names outside ASCII", "{\"channels\":{\"ключ\":{\"length\":1,\"zones\":"
                + "[{\"id\":\"\uD83D\uDE00\\u0000x\",\"type\":\"strip\"}]}}}",
                "AddChannel(ключ,1) Key(ключ) AddStripZone(\uD83D\uDE00\u0000x,0,false) EndChannel()"));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("conversions")
    void builderCallsFollowTheJson(String what, String json, String expected) {
        assertEquals(expected, callsFor(json));
    }

    @ParameterizedTest
    @ValueSource(strings = {"Builder", "AddChannel", "Key", "AddStripZone", "EndChannel", "AddStep", "WithColor",
        "EndSequence", "AddBitmap", "WithConfig", "EndModule", "AddZone", "Build"})
    void builderThatThrowsEndsTheConversionWithNull(String method) {
        OrvekDeviceConfig.CALLS.clear();
        OrvekDeviceConfig.failOn = method;
        assertNull(OrvekJNI.ParseConfigJson(EVERY_KIND));
        List<String> calls = OrvekDeviceConfig.CALLS;
        assertTrue(calls.get(calls.size() - 1).startsWith(method + "("), "stopped after " + calls);
    }

    @ParameterizedTest
    @ValueSource(strings = {"Builder", "AddChannel", "AddSequence", "AddStep", "AddBitmap", "AddModule", "AddGroup"})
    void openerGivingNullEndsTheConversionWithNull(String method) {
        OrvekDeviceConfig.nullOn = method;
        assertNull(OrvekJNI.ParseConfigJson(EVERY_KIND));
    }

    @ParameterizedTest
    @ValueSource(strings = {"Key", "AddStripZone", "EndChannel", "WithColor", "EndStep", "WithConfig", "EndGroup"})
    void otherMethodGivingNullKeepsTheBuilderInHand(String method) {
        OrvekDeviceConfig.nullOn = method;
        assertEquals("AddChannel(c,4) Key(c) AddStripZone(z,0,false) EndChannel() AddSequence(s) AddStep(Fill) "
            + "WithColor(1,0,0) EndStep() EndSequence() AddBitmap(b) EndBitmap() AddModule(m,t,0,) WithConfig(k,Long:1) "
            + "EndModule() AddGroup(g) AddZone(z) EndGroup()", callsFor(EVERY_KIND));
    }

    @Test
    void noTextOrBadTextGivesNull() {
        OrvekDeviceConfig.CALLS.clear();
        assertNull(OrvekJNI.ParseConfigJson(null));
        assertNull(OrvekJNI.ParseConfigJson(""));
        assertNull(OrvekJNI.ParseConfigJson("  "));
        assertNull(OrvekJNI.ParseConfigJson("{\"team\":\"1\"} // comment"));
        assertEquals(List.of(), OrvekDeviceConfig.CALLS);
    }

    @Test
    void getConfigReportsAppliedChannelsByKey() {
        long handle = OrvekJNI.CreateInstance();
        OrvekDeviceConfig applied = new OrvekDeviceConfig();
        OrvekJNI.ApplyConfiguration(handle, applied);
        OrvekDeviceConfig.CALLS.clear();
        assertNotNull(OrvekJNI.GetConfig(handle));
        assertEquals(List.of("Builder()", "Build()"), OrvekDeviceConfig.CALLS);

        ChannelConfig channel = new ChannelConfig("c", 60);
        channel.brightness = 300;
        channel.zones.add(ZoneConfig.strip("s", 10, true));
        ZoneConfig matrix = ZoneConfig.matrix("m", 8, 4, 13);
        matrix.brightness = 7;
        channel.zones.add(matrix);
        ChannelConfig keyed = new ChannelConfig("d", 1);
        keyed.key = "a";
        applied.channels = List.of(channel, keyed);
        OrvekJNI.ApplyConfiguration(handle, applied);
        OrvekDeviceConfig.CALLS.clear();
        assertNotNull(OrvekJNI.GetConfig(handle));
        assertEquals("AddChannel(d,1) Key(a) EndChannel() AddChannel(c,60) Key(c) Brightness(255) "
            + "AddStripZone(s,10,true) AddMatrixZoneWithOrientation(m,8,4,13) EndChannel()",
            String.join(" ", OrvekDeviceConfig.CALLS.subList(1, OrvekDeviceConfig.CALLS.size() - 1)));
        OrvekJNI.DeleteInstance(handle);
    }
}
