package com.rozovedar.jni;

import com.rozovedar.domain.config.OrvekDeviceConfig;
import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.led.Animation;
import com.rozovedar.domain.led.AnimationColor;
import com.rozovedar.domain.led.MatrixTextScrollDirection;
import com.rozovedar.domain.module.ModuleDataEntry;
import java.util.ArrayList;

/**
 * The native face of libOrvekDriver for robot programs.
 *
 * <p>Every method works on the one simulated device of the process; the handle from {@link
 * #CreateInstance()} is passed back unchanged and only {@link #DeleteInstance(long)} uses it. Any
 * thread may call any method. LED commands report nothing: a zone, group or entity that is not
 * configured becomes an Error event (EntityNotFound). A null argument throws NullPointerException
 * naming it.
 */
public final class OrvekJNI {
    static {
        System.loadLibrary("OrvekDriver");
    }

    private OrvekJNI() {}

    /** A new handle; free it with {@link #DeleteInstance(long)}. */
    public static native long CreateInstance();

    /** Frees a handle from {@link #CreateInstance()}; 0 does nothing. */
    public static native void DeleteInstance(long inst);

    /**
     * Connects over USB port 2 (USB1) or 3 (USB2): status Active, a Connected event when it was
     * disconnected, and a heartbeat. Another port throws IllegalArgumentException.
     */
    public static native boolean Connect(long inst, int port);

    /** Connects over UART port 1 (MXP); another port throws IllegalArgumentException. */
    public static native boolean ConnectUart(long inst, int port, int baud);

    public static native boolean IsConnected(long inst);

    /** The device status: -1 Unknown, 0 Booting, 1 Active, 2 Error, 3 Fatal. */
    public static native int GetCurrentStatus(long inst);

    /** Queues a Disabled event with cause Restart; only the low 16 bits of the delay are kept. */
    public static native void RestartDevice(long inst, int delayMs);

    /** The folder under which configured bitmap paths are found; null is ignored. */
    public static native void SetDeployPath(String path);

    public static native void SetColor(long inst, String zoneId, AnimationColor color);

    public static native void SetGroupColor(long inst, String groupId, AnimationColor color);

    /**
     * Plays a built-in animation; delayMs per animation state (0: the animation's default).
     * Animation.None throws IllegalArgumentException.
     */
    public static native void SetAnimation(
            long inst,
            String zoneId,
            Animation animation,
            AnimationColor color,
            int delayMs,
            boolean reversed,
            boolean oneShot);

    public static native void SetGroupAnimation(
            long inst,
            String groupId,
            Animation animation,
            AnimationColor color,
            int delayMs,
            boolean reversed,
            boolean oneShot);

    public static native void SetAnimationSequence(long inst, String zoneId, String sequenceId);

    public static native void SetGroupAnimationSequence(long inst, String groupId, String sequenceId);

    public static native void SetBitmap(
            long inst, String zoneId, String bitmapId, AnimationColor color, boolean setColor, boolean oneShot);

    public static native void SetGroupBitmap(
            long inst, String groupId, String bitmapId, AnimationColor color, boolean setColor, boolean oneShot);

    /** Scrolls the first 24 bytes of text on a matrix zone; delayMs per scroll step. */
    public static native void SetText(
            long inst,
            String zoneId,
            String text,
            AnimationColor color,
            MatrixTextScrollDirection direction,
            int delayMs,
            boolean oneShot);

    public static native void SetGroupText(
            long inst,
            String groupId,
            String text,
            AnimationColor color,
            MatrixTextScrollDirection direction,
            int delayMs,
            boolean oneShot);

    /**
     * Moves the newest queued event into outEvent and returns true; false, leaving outEvent as it
     * was, when the queue is empty. Members of an earlier event stay on a reused object.
     */
    public static native boolean GetLatestEvent(long inst, Event outEvent);

    /** Takes up to 100 queued events, oldest first; an empty array when none is queued. */
    public static native Event[] GetEvents(long inst);

    /** Takes the pending data records of a module, oldest first; empty when none. */
    public static native ArrayList<ModuleDataEntry> GetLatestData(long inst, String moduleId);

    /** The applied channels and zones, read back from the device; null when it cannot be read. */
    public static native OrvekDeviceConfig GetConfig(long inst);

    /** A configuration read from JSON text; null when the text does not read. */
    public static native OrvekDeviceConfig ParseConfigJson(String json);

    /** Applies a configuration; one that cannot be read is dropped. */
    public static native void ApplyConfiguration(long inst, OrvekDeviceConfig cfg);
}
