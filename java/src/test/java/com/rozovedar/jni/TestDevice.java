package com.rozovedar.jni;

import com.rozovedar.domain.config.GroupConfig;
import com.rozovedar.domain.config.OrvekDeviceConfig;
import com.rozovedar.domain.event.Event;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * The one device of the test VM. Its first use connects over USB1 and keeps the events of that
 * first connection, which no later test could see again.
 */
final class TestDevice {
    static final int USB1 = 2;
    static final long HANDLE = OrvekJNI.CreateInstance();
    static final List<Event> FIRST_CONNECT_EVENTS = firstConnect();

    private TestDevice() {}

    private static List<Event> firstConnect() {
        drain();
        OrvekJNI.Connect(HANDLE, USB1);
        return drain();
    }

    /** Every queued event, oldest first, emptying the queue. */
    static List<Event> drain() {
        List<Event> all = new ArrayList<>();
        for (Event[] batch; (batch = OrvekJNI.GetEvents(HANDLE)).length > 0; ) {
            all.addAll(Arrays.asList(batch));
        }
        return all;
    }

    static String robotJson() {
        Path path = Path.of(System.getProperty("orvek.examples.dir", "examples"), "config", "robot.json");
        try {
            return Files.readString(path);
        } catch (IOException e) {
            throw new IllegalStateException("cannot read " + path, e);
        }
    }

    /** Applies examples/config/robot.json with one more group, "panels" (its matrix), and empties the queue. */
    static void applyRobotConfig() {
        OrvekDeviceConfig config = OrvekJNI.ParseConfigJson(robotJson());
        GroupConfig panels = new GroupConfig("panels");
        panels.zoneIds.add("status-panel");
        if (config.groups == null) config.groups = new ArrayList<>();
        config.groups.add(panels);
        OrvekJNI.ApplyConfiguration(HANDLE, config);
        drain();
    }
}
