package com.rozovedar.jni;

import static com.rozovedar.jni.TestDevice.HANDLE;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.event.EventError;
import com.rozovedar.domain.event.EventType;
import com.rozovedar.domain.led.AnimationColor;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

class EventNativesTest {
    static final AnimationColor BLUE = AnimationColor.rgb(0, 0, 255);

    @BeforeEach
    void robotConfig() {
        TestDevice.applyRobotConfig();
    }

    @Test
    void latestEventOnAnEmptyQueueLeavesTheObjectAsItWas() {
        Event event = new Event();
        event.extraMessage = "kept";
        EventError error = new EventError();
        event.error = error;
        assertFalse(OrvekJNI.GetLatestEvent(HANDLE, event));
        assertEquals("kept", event.extraMessage);
        assertSame(error, event.error);
        assertNull(event.type);
    }

    @Test
    void latestEventTakesTheNewestAndGetEventsTheRestOldestFirst() {
        for (String zone : List.of("first", "second", "third")) OrvekJNI.SetColor(HANDLE, zone, BLUE);
        Event newest = new Event();
        assertTrue(OrvekJNI.GetLatestEvent(HANDLE, newest));
        assertTrue(newest.extraMessage.startsWith("Zone #"), newest.extraMessage);
        Event[] rest = OrvekJNI.GetEvents(HANDLE);
        assertEquals(2, rest.length);
        assertEquals(List.of(EventType.Error, EventType.Error), Arrays.stream(rest).map(e -> e.type).toList());
        assertEquals(0, OrvekJNI.GetEvents(HANDLE).length);
    }

    @Test
    void oneCallReturnsAFullQueueOfOneHundred() {
        for (int i = 0; i < 150; i++) OrvekJNI.SetGroupColor(HANDLE, "missing-" + i, BLUE);
        Event[] events = OrvekJNI.GetEvents(HANDLE);
        assertEquals(100, events.length);
        assertTrue(Arrays.stream(events).allMatch(e -> e.type == EventType.Error && "Group".equals(e.error.message)));
        assertEquals(0, OrvekJNI.GetEvents(HANDLE).length);
    }
}
