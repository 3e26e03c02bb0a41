package com.rozovedar.jni;

import static com.rozovedar.jni.TestDevice.HANDLE;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.params.provider.Arguments.arguments;

import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.event.EventErrorType;
import com.rozovedar.domain.event.EventType;
import com.rozovedar.domain.led.Animation;
import com.rozovedar.domain.led.AnimationColor;
import com.rozovedar.domain.led.MatrixTextScrollDirection;
import java.util.List;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class LedNativesTest {
    static final AnimationColor RED = AnimationColor.rgb(255, 0, 0);
    static final MatrixTextScrollDirection LEFT = MatrixTextScrollDirection.LEFT;

    @BeforeEach
    void robotConfig() {
        TestDevice.applyRobotConfig();
    }

    /** Every LED command, given its zone or group, its entity and a colour. */
    static Stream<Arguments> commandsOnRobotTargets() {
        return Stream.of(
                arguments("SetColor", (Executable) () -> OrvekJNI.SetColor(HANDLE, "bumper", RED)),
                arguments("SetGroupColor", (Executable) () -> OrvekJNI.SetGroupColor(HANDLE, "underglow", RED)),
                arguments("SetAnimation", (Executable) () ->
                        OrvekJNI.SetAnimation(HANDLE, "tail-strip", Animation.Heartbeat, RED, 70000, true, false)),
                arguments("SetGroupAnimation", (Executable) () ->
                        OrvekJNI.SetGroupAnimation(HANDLE, "all-strips", Animation.Fill, RED, 0, false, true)),
                arguments("SetAnimationSequence", (Executable) () ->
                        OrvekJNI.SetAnimationSequence(HANDLE, "bumper", "match-start")),
                arguments("SetGroupAnimationSequence", (Executable) () ->
                        OrvekJNI.SetGroupAnimationSequence(HANDLE, "elevator-sides", "intake-alert")),
                arguments("SetBitmap", (Executable) () ->
                        OrvekJNI.SetBitmap(HANDLE, "status-panel", "team-logo", RED, true, false)),
                arguments("SetGroupBitmap", (Executable) () ->
                        OrvekJNI.SetGroupBitmap(HANDLE, "panels", "loading-spinner", RED, false, true)),
                arguments("SetText", (Executable) () ->
                        OrvekJNI.SetText(HANDLE, "status-panel", "GO 4321", RED, LEFT, 60, false)),
                arguments("SetGroupText", (Executable) () -> OrvekJNI.SetGroupText(
                        HANDLE, "panels", "\u00e9\u20ac", RED, MatrixTextScrollDirection.RIGHT, -1, true)));
    }

    /**
     * Every id reached the device, or it would have raised an EntityNotFound error. What each command
     * leaves on its zone (text, direction, delay, flags, tint) is checked in tests/jnivm, which can
     * read the zone state of the device the natives drive.
     */
    @ParameterizedTest(name = "{0}")
    @MethodSource("commandsOnRobotTargets")
    void commandsOnConfiguredTargetsAreAccepted(String name, Executable command) throws Throwable {
        command.execute();
        assertEquals(List.of(), TestDevice.drain());
    }

    static Stream<Arguments> commandsOnUnknownEntities() {
        return Stream.of(
                arguments("Zone", (Executable) () -> OrvekJNI.SetColor(HANDLE, "nowhere", RED)),
                arguments("Group", (Executable) () ->
                        OrvekJNI.SetGroupAnimation(HANDLE, "nowhere", Animation.Comet, RED, 10, false, false)),
                arguments("AnimSequence", (Executable) () -> OrvekJNI.SetAnimationSequence(HANDLE, "bumper", "nope")),
                arguments("Bitmap", (Executable) () ->
                        OrvekJNI.SetBitmap(HANDLE, "status-panel", "nope", RED, false, false)),
                arguments("Zone", (Executable) () -> OrvekJNI.SetText(HANDLE, "", "hi", RED, LEFT, 0, false)));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("commandsOnUnknownEntities")
    void unknownEntitiesBecomeEntityNotFoundErrors(String entity, Executable command) throws Throwable {
        command.execute();
        List<Event> events = TestDevice.drain();
        assertEquals(1, events.size());
        assertEquals(EventType.Error, events.get(0).type);
        assertEquals(EventErrorType.EntityNotFound, events.get(0).error.type);
        assertEquals(entity, events.get(0).error.message);
    }

    static Stream<Arguments> nullArguments() {
        return Stream.of(
                arguments("zoneId", (Executable) () -> OrvekJNI.SetColor(HANDLE, null, RED)),
                arguments("color", (Executable) () -> OrvekJNI.SetGroupColor(HANDLE, "underglow", null)),
                arguments("animation", (Executable) () ->
                        OrvekJNI.SetAnimation(HANDLE, "bumper", null, RED, 0, false, false)),
                arguments("groupId", (Executable) () ->
                        OrvekJNI.SetGroupAnimation(HANDLE, null, Animation.Fill, RED, 0, false, false)),
                arguments("sequenceId", (Executable) () -> OrvekJNI.SetGroupAnimationSequence(HANDLE, "rear", null)),
                arguments("bitmapId", (Executable) () -> OrvekJNI.SetBitmap(HANDLE, "status-panel", null, RED, true, true)),
                arguments("text", (Executable) () -> OrvekJNI.SetText(HANDLE, "status-panel", null, RED, LEFT, 0, false)),
                arguments("direction", (Executable) () ->
                        OrvekJNI.SetGroupText(HANDLE, "panels", "x", RED, null, 0, false)),
                arguments("outEvent", (Executable) () -> OrvekJNI.GetLatestEvent(HANDLE, null)),
                arguments("moduleId", (Executable) () -> OrvekJNI.GetLatestData(HANDLE, null)));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("nullArguments")
    void nullArgumentsThrowNullPointerNamingThemAndSendNothing(String argument, Executable command) {
        OrvekJNI.SetColor(HANDLE, "nowhere", RED);  // one event that a null out-event must not lose
        NullPointerException thrown = assertThrows(NullPointerException.class, command);
        assertEquals(argument + " must not be null", thrown.getMessage());
        assertEquals(List.of("Zone"), TestDevice.drain().stream().map(e -> e.error.message).toList());
    }

    @Test
    void animationsWithoutAPatternThrowIllegalArgument() {
        assertThrows(IllegalArgumentException.class,
                () -> OrvekJNI.SetAnimation(HANDLE, "bumper", Animation.None, RED, 0, false, false));
        assertThrows(IllegalArgumentException.class,
                () -> OrvekJNI.SetGroupAnimation(HANDLE, "underglow", Animation.None, RED, 0, false, false));
        assertEquals(List.of(), TestDevice.drain());
    }
}
