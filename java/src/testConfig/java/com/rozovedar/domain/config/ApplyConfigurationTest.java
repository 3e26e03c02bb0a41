package com.rozovedar.domain.config;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.event.EventErrorType;
import com.rozovedar.domain.event.EventType;
import com.rozovedar.domain.led.AnimationColor;
import com.rozovedar.jni.OrvekJNI;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.stream.Collectors;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** ApplyConfiguration as a robot program sees it: through GetConfig and the device's events. */
class ApplyConfigurationTest {
    private static final long HANDLE = OrvekJNI.CreateInstance();
    private static final AnimationColor RED = AnimationColor.rgb(255, 0, 0);
    private static final String LONG_NAME = "z".repeat(10_000);

    /** A zone class without matrixRows: the native side must skip such a matrix. */
    public static final class MatrixWithoutRows {
        public ZoneType type = ZoneType.MATRIX;
        public String id = "rowless";
        public int matrixCols = 4;
    }

    @BeforeAll
    static void connect() {
        OrvekJNI.Connect(HANDLE, 2);
    }

    private static List<Event> drain() {
        List<Event> all = new ArrayList<>();
        for (Event[] batch; (batch = OrvekJNI.GetEvents(HANDLE)).length > 0; ) all.addAll(Arrays.asList(batch));
        return all;
    }

    private static void apply(OrvekDeviceConfig config) {
        OrvekJNI.ApplyConfiguration(HANDLE, config);
        drain();
    }

    /** Whether the command named something the device does not know. */
    private static boolean rejected(Runnable command) {
        drain();
        command.run();
        return drain().stream().anyMatch(e -> e.type == EventType.Error && e.error.type == EventErrorType.EntityNotFound);
    }

    /** The applied channels as GetConfig reports them: key=id/length [zones]. */
    private static String channels() {
        return OrvekJNI.GetConfig(HANDLE).channels.stream()
            .map(c -> c.key + "=" + c.id + "/" + c.length + c.zones.stream().map(z -> z.type == ZoneType.STRIP
                ? " S:" + z.id + ":" + z.stripLength + (z.reversed ? "r" : "")
                : " M:" + z.id + ":" + z.matrixRows + "x" + z.matrixCols + "o" + z.matrixOrientation)
                .collect(Collectors.joining()))
            .collect(Collectors.joining("; "));
    }

    @SuppressWarnings("unchecked")
    private static <T> List<T> loosely(List<?> list) {
        return (List<T>) list;
    }

    private static ChannelConfig channel(String key, String id, int length, ZoneConfig... zones) {
        ChannelConfig channel = new ChannelConfig(id, length);
        channel.key = key;
        channel.zones.addAll(List.of(zones));
        return channel;
    }

    @Test
    void channelsAndZonesAreLimitedKeyedAndSkipped() {
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.channels = List.of(
            channel(null, "nokey", 5, ZoneConfig.strip("neg", -3, true), ZoneConfig.strip("", 2, false)),
            channel("", "emptykey", 70000, ZoneConfig.matrix("m", 65537, -1, 0x1FD)),
            channel("k0", "zero", 0), channel("k64", "wraps", 65536), channel("noid", "", 3));
        loosely(config.channels.get(0).zones).add(new MatrixWithoutRows());
        apply(config);
        assertEquals("emptykey=emptykey/4464 M:m:1x0o13; nokey=nokey/5 S:neg:0r", channels());
        assertEquals(false, rejected(() -> OrvekJNI.SetColor(HANDLE, "", RED)), "a zone with an empty id is kept");
        assertEquals(true, rejected(() -> OrvekJNI.SetColor(HANDLE, "rowless", RED)));
    }

    @Test
    void textsOfAnyLengthAndCharacterArriveUnchanged() {
        String[] names = {LONG_NAME, "a\u0000b", "\uD83D\uDE00", "ключ"};
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.teamNumber = "\uD83D\uDE00\u0000";
        config.channels = new ArrayList<>();
        for (String name : names) config.channels.add(channel(name, name, 1, ZoneConfig.strip(name, 1, false)));
        apply(config);
        List<String> reported = OrvekJNI.GetConfig(HANDLE).channels.stream().map(c -> c.key + "|" + c.zones.get(0).id)
            .collect(Collectors.toList());
        assertEquals(Arrays.stream(names).sorted(ApplyConfigurationTest::utf8Order).map(n -> n + "|" + n)
            .collect(Collectors.toList()), reported);
        // A zone id reaches the LED commands as C text, which ends at U+0000.
        for (String name : List.of(LONG_NAME, "\uD83D\uDE00", "ключ")) {
            assertEquals(false, rejected(() -> OrvekJNI.SetColor(HANDLE, name, RED)), name);
        }
    }

    /** Byte order of standard UTF-8, the order of the report's keys. */
    private static int utf8Order(String a, String b) {
        return Arrays.compareUnsigned(a.getBytes(java.nio.charset.StandardCharsets.UTF_8),
            b.getBytes(java.nio.charset.StandardCharsets.UTF_8));
    }

    @Test
    void unpairedSurrogateIsAppliedAsReplacementCharacter() {
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.channels = List.of(channel("c", "c", 1, ZoneConfig.strip("x\uD800", 1, false)));
        apply(config);
        assertEquals("c=c/1 S:x\uFFFD:1", channels());
    }

    @Test
    void groupsSequencesAndBitmapsAreKeptOnlyWithTheirParts() {
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.channels = List.of(channel("c", "c", 64, ZoneConfig.strip("s", 8, false), ZoneConfig.matrix("m", 4, 4, 0)));
        GroupConfig unnamed = new GroupConfig(null);
        unnamed.zoneIds.add("s");
        GroupConfig empty = new GroupConfig("empty");
        config.groups = List.of(unnamed, empty);
        SequenceConfig kept = new SequenceConfig("seq");
        kept.steps.add(new StepConfig(""));
        kept.steps.add(new StepConfig("RainbowCycle"));
        SequenceConfig stepless = new SequenceConfig("stepless");
        stepless.steps.add(new StepConfig(null));
        config.sequences = List.of(kept, stepless);
        config.bitmaps = List.of(new BitmapConfig("pic"), new BitmapConfig(""));
        apply(config);
        assertEquals(false, rejected(() -> OrvekJNI.SetGroupColor(HANDLE, "", RED)), "group without id");
        assertEquals(true, rejected(() -> OrvekJNI.SetGroupColor(HANDLE, "empty", RED)), "group without zones");
        assertEquals(false, rejected(() -> OrvekJNI.SetAnimationSequence(HANDLE, "s", "seq")), "sequence");
        assertEquals(true, rejected(() -> OrvekJNI.SetAnimationSequence(HANDLE, "s", "stepless")));
        assertEquals(false, rejected(() -> OrvekJNI.SetBitmap(HANDLE, "m", "pic", RED, false, false)), "bitmap");
    }

    @Test
    void nullConfigurationKeepsTheDeviceAndEmptyListsClearIt() {
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.channels = List.of(channel("c", "c", 1));
        apply(config);
        apply(null);
        assertEquals("c=c/1", channels());
        OrvekDeviceConfig bare = new OrvekDeviceConfig();
        bare.network = null;
        bare.channels = null;
        bare.sequences = new ArrayList<>();
        apply(bare);
        assertEquals("", channels());
    }
}
