package com.rozovedar.jni;

import static com.rozovedar.jni.TestDevice.HANDLE;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import com.rozovedar.domain.module.ModuleDataEntry;
import com.rozovedar.modules.SimModules;
import com.rozovedar.utils.AlertUtils;
import java.util.List;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

class ModuleDataAndAlertsTest {
    @Test
    void injectedRecordsComeBackInOrderWithUnsignedIds() {
        SimModules.Inject("intake-beam", 65535, new byte[] {1, -2, 3});
        SimModules.Inject("intake-beam", 65537, null);
        List<ModuleDataEntry> entries = OrvekJNI.GetLatestData(HANDLE, "intake-beam");
        assertEquals(2, entries.size());
        assertEquals(65535, entries.get(0).id);
        assertArrayEquals(new byte[] {1, -2, 3}, entries.get(0).data);
        assertEquals(3, entries.get(0).len);
        assertEquals(1, entries.get(1).id);
        assertArrayEquals(new byte[0], entries.get(1).data);
        assertEquals(0, entries.get(1).len);
        assertEquals(List.of(), OrvekJNI.GetLatestData(HANDLE, "intake-beam"));
        assertEquals(List.of(), OrvekJNI.GetLatestData(HANDLE, "no-such-module"));
    }

    @Test
    void injectWithoutAKeyThrowsNullPointer() {
        assertThrows(NullPointerException.class, () -> SimModules.Inject(null, 1, new byte[1]));
    }

    @ParameterizedTest(name = "{0}({1})")
    @CsvSource({
        "disabled, 3, Restart",
        "disabled, 259, Restart",
        "disabled, 256, No Heartbeat",
        "disabled, -1, Unknown",
        "error, 2, Entity Not Found",
        "error, 10, Invalid Config Upload",
        "error, 11, Unknown",
        "fatal, 1, Bad Configuration",
        "fatal, 4, Unknown",
    })
    void alertTextsTakeTheLowEightBits(String kind, int code, String text) {
        String actual = switch (kind) {
            case "disabled" -> AlertUtils.getDisabledCauseText(code);
            case "error" -> AlertUtils.getErrorTypeText(code);
            default -> AlertUtils.getFatalErrorTypeText(code);
        };
        assertEquals(text, actual);
    }
}
