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
        // Four errors that name different entities, so their order shows.
        OrvekJNI.SetColor(HANDLE, "no-zone", BLUE);
        OrvekJNI.SetGroupColor(HANDLE, "no-group", BLUE);
        OrvekJNI.SetAnimationSequence(HANDLE, "bumper", "no-sequence");
        OrvekJNI.SetBitmap(HANDLE, "status-panel", "no-bitmap", BLUE, false, false);
        Event newest = new Event();
        assertTrue(OrvekJNI.GetLatestEvent(HANDLE, newest));
        assertEquals("Bitmap", newest.error.message);
        Event[] rest = OrvekJNI.GetEvents(HANDLE);
        assertEquals(List.of("Zone", "Group", "AnimSequence"), Arrays.stream(rest).map(e -> e.error.message).toList());
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
