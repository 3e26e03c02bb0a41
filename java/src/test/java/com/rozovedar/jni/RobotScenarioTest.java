package com.rozovedar.jni;

import static com.rozovedar.jni.TestDevice.HANDLE;
import static org.junit.jupiter.api.Assertions.assertEquals;

import com.rozovedar.domain.config.ChannelConfig;
import com.rozovedar.domain.config.OrvekDeviceConfig;
import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.led.Animation;
import com.rozovedar.domain.led.AnimationColor;
import java.util.List;
import org.junit.jupiter.api.Test;

/** A configuration built in Java naming zones outside plain ASCII, then commanded and read back. */
class RobotScenarioTest {
    static final String EMOJI_ZONE = "ring-\uD83D\uDE00";
    static final AnimationColor WHITE = AnimationColor.rgb(255, 255, 255);

    static List<String> errorsOf(List<Event> events) {
        return events.stream().map(e -> e.type + ":" + (e.error == null ? "" : e.error.message)).toList();
    }

    @Test
    void zoneNamedOutsideTheBasicPlaneIsFoundByCommandsAndReadBack() {
        OrvekDeviceConfig built = OrvekDeviceConfig.Builder()
                .AddChannel("main", 60).AddStripZone(EMOJI_ZONE, 30, false).AddStripZone("a\u0000b", 30, true)
                .EndChannel()
                .AddGroup("both").AddZone(EMOJI_ZONE).EndGroup()
                .Build();
        OrvekJNI.ApplyConfiguration(HANDLE, built);
        TestDevice.drain();

        OrvekJNI.SetColor(HANDLE, EMOJI_ZONE, WHITE);
        OrvekJNI.SetGroupAnimation(HANDLE, "both", Animation.Comet, WHITE, 10, true, false);
        assertEquals(List.of(), errorsOf(TestDevice.drain()));
        // A lone surrogate half names no zone, but reaches the device as text all the same.
        OrvekJNI.SetColor(HANDLE, "ring-\uD83D", WHITE);
        assertEquals(List.of("Error:Zone"), errorsOf(TestDevice.drain()));

        ChannelConfig channel = OrvekJNI.GetConfig(HANDLE).channels.get(0);
        assertEquals(EMOJI_ZONE, channel.zones.get(0).id);
        assertEquals(30, channel.zones.get(1).stripLength);
    }
}
