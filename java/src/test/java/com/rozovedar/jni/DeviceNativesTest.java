package com.rozovedar.jni;

import static com.rozovedar.jni.TestDevice.HANDLE;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.event.EventConnectionType;
import com.rozovedar.domain.event.EventDisabledCause;
import com.rozovedar.domain.event.EventType;
import com.rozovedar.domain.event.Status;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

class DeviceNativesTest {
    @BeforeEach
    void emptyQueue() {
        TestDevice.drain();
    }

    @Test
    void firstConnectReportsConnectedOverUsbThenAnActiveHeartbeat() {
        List<Event> events = TestDevice.FIRST_CONNECT_EVENTS;
        assertEquals(2, events.size());
        assertEquals(EventType.Connected, events.get(0).type);
        assertEquals(EventConnectionType.USB, events.get(0).connected.type);
        assertEquals(EventType.HeartBeat, events.get(1).type);
        assertEquals(Status.Active, events.get(1).heartBeat.status);
        assertTrue(OrvekJNI.IsConnected(HANDLE));
    }

    @ParameterizedTest(name = "{0} port {1}")
    @CsvSource({"USB, 2", "USB, 3", "UART, 1"})
    void knownPortsConnect(String kind, int port) {
        boolean result = kind.equals("USB") ? OrvekJNI.Connect(HANDLE, port) : OrvekJNI.ConnectUart(HANDLE, port, 115200);
        assertTrue(result);
        assertEquals(1, OrvekJNI.GetCurrentStatus(HANDLE));
        assertEquals(List.of(EventType.HeartBeat), TestDevice.drain().stream().map(e -> e.type).toList());
    }

    @ParameterizedTest(name = "{0} port {1}")
    @CsvSource({"USB, 0", "USB, 1", "USB, 4", "USB, -1", "UART, 0", "UART, 2", "UART, 2147483647"})
    void portsOutsideTheirEnumerationThrowIllegalArgumentAndChangeNothing(String kind, int port) {
        OrvekJNI.RestartDevice(HANDLE, 0);
        TestDevice.drain();
        assertThrows(IllegalArgumentException.class, () -> {
            if (kind.equals("USB")) OrvekJNI.Connect(HANDLE, port);
            else OrvekJNI.ConnectUart(HANDLE, port, 9600);
        });
        assertEquals(2, OrvekJNI.GetCurrentStatus(HANDLE));
        assertEquals(List.of(), TestDevice.drain());
        OrvekJNI.Connect(HANDLE, TestDevice.USB1);
    }

    @Test
    void restartQueuesDisabledWithCauseRestartAndSetsStatusError() {
        OrvekJNI.RestartDevice(HANDLE, 70000);
        Event event = new Event();
        assertTrue(OrvekJNI.GetLatestEvent(HANDLE, event));
        assertEquals(EventType.Disabled, event.type);
        assertEquals(EventDisabledCause.Restart, event.disabled.cause);
        assertEquals(2, OrvekJNI.GetCurrentStatus(HANDLE));
        OrvekJNI.Connect(HANDLE, TestDevice.USB1);
    }

    @Test
    void handlesAndDeployPathTakeTheirEdgeValues() {
        OrvekJNI.DeleteInstance(0);
        long handle = OrvekJNI.CreateInstance();
        OrvekJNI.DeleteInstance(handle);
        // Freed already, or never a handle: refused rather than freed.
        assertThrows(IllegalArgumentException.class, () -> OrvekJNI.DeleteInstance(handle));
        assertThrows(IllegalArgumentException.class, () -> OrvekJNI.DeleteInstance(12345));
        OrvekJNI.SetDeployPath(null);
        OrvekJNI.SetDeployPath(System.getProperty("orvek.examples.dir", "examples") + "/deploy");
        assertEquals(List.of(), TestDevice.drain());
    }
}
