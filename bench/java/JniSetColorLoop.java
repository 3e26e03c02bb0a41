import com.rozovedar.domain.led.AnimationColor;
import com.rozovedar.jni.OrvekJNI;

/** Calls OrvekJNI.SetColor from Java as a robot program does, so one VM entry times many calls. */
public final class JniSetColorLoop {
    private JniSetColorLoop() {}

    /** True when the zone takes a colour without an Error event; leaves the event queue empty. */
    public static boolean accepts(long inst, String zoneId, AnimationColor color) {
        OrvekJNI.GetEvents(inst);
        OrvekJNI.SetColor(inst, zoneId, color);
        return OrvekJNI.GetEvents(inst).length == 0;
    }

    public static void run(long inst, String zoneId, AnimationColor color, int count) {
        for (int i = 0; i < count; i++) {
            OrvekJNI.SetColor(inst, zoneId, color);
        }
    }
}
