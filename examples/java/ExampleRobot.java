import com.rozovedar.domain.config.OrvekDeviceConfig;
import com.rozovedar.domain.event.Event;
import com.rozovedar.domain.event.EventDisabledCause;
import com.rozovedar.domain.event.EventErrorType;
import com.rozovedar.domain.event.EventFatalErrorType;
import com.rozovedar.domain.led.Animation;
import com.rozovedar.domain.led.AnimationColor;
import com.rozovedar.domain.led.MatrixTextScrollDirection;
import com.rozovedar.jni.OrvekJNI;
import com.rozovedar.utils.AlertUtils;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;

/**
 * A robot program on the Java face of libOrvekDriver: applies the example configuration, connects,
 * then walks through colours, animations, a sequence, scrolling text and bitmaps, printing every
 * event the device reports. It runs without a window; the native example shows the panel.
 *
 * <p>Usage: ExampleRobot [config.json] [deploy-dir]
 */
public final class ExampleRobot {
    private static final int USB1 = 2;
    private static final long STEP_MS = 250;

    private final long handle = OrvekJNI.CreateInstance();

    public static void main(String[] args) throws IOException, InterruptedException {
        Path config = Path.of(args.length > 0 ? args[0] : "examples/config/robot.json");
        Path deploy = Path.of(args.length > 1 ? args[1] : "examples/deploy");
        ExampleRobot robot = new ExampleRobot();
        try {
            robot.start(Files.readString(config), deploy);
            robot.play();
        } finally {
            OrvekJNI.DeleteInstance(robot.handle);
        }
    }

    private void start(String json, Path deploy) {
        OrvekDeviceConfig config = OrvekJNI.ParseConfigJson(json);
        if (config == null) {
            throw new IllegalArgumentException("the configuration does not read");
        }
        OrvekJNI.SetDeployPath(deploy.toAbsolutePath().toString());
        OrvekJNI.ApplyConfiguration(handle, config);
        OrvekJNI.Connect(handle, USB1);
        System.out.printf("Connected: %b, status %d, %d channels%n", OrvekJNI.IsConnected(handle),
                OrvekJNI.GetCurrentStatus(handle), OrvekJNI.GetConfig(handle).channels.size());
        report("start");
    }

    private void play() throws InterruptedException {
        AnimationColor[] colours = {
            AnimationColor.rgb(255, 0, 0), AnimationColor.rgb(0, 255, 0), AnimationColor.rgb(0, 0, 255)
        };
        for (AnimationColor colour : colours) {
            OrvekJNI.SetGroupColor(handle, "underglow", colour);
            step("colour " + colour);
        }
        Animation[] animations = {Animation.Breathe, Animation.Comet, Animation.RainbowCycle, Animation.Larson};
        for (Animation animation : animations) {
            OrvekJNI.SetGroupAnimation(handle, "all-strips", animation, colours[2], 0, false, false);
            step("animation " + animation);
        }
        OrvekJNI.SetAnimationSequence(handle, "bumper", "match-start");
        step("sequence match-start");
        OrvekJNI.SetText(handle, "status-panel", "GO TEAM 4321", colours[1], MatrixTextScrollDirection.LEFT, 60,
                false);
        step("scrolling text");
        OrvekJNI.SetBitmap(handle, "status-panel", "team-logo", colours[0], false, false);
        step("bitmap team-logo");
        OrvekJNI.SetBitmap(handle, "status-panel", "loading-spinner", colours[0], false, false);
        step("bitmap loading-spinner");
        // Names the configuration does not know come back as errors.
        OrvekJNI.SetColor(handle, "no-such-zone", colours[0]);
        OrvekJNI.SetBitmap(handle, "tail-strip", "team-logo", colours[0], false, false);
        step("unknown names");
        OrvekJNI.RestartDevice(handle, 500);
        step("restart");
    }

    private void step(String what) throws InterruptedException {
        Thread.sleep(STEP_MS);
        report(what);
    }

    private void report(String what) {
        Event[] events = OrvekJNI.GetEvents(handle);
        System.out.printf("-- %s: %d event(s)%n", what, events.length);
        for (Event event : events) {
            System.out.println("   " + describe(event));
        }
    }

    /** The device code of an event enumeration constant; -1 (an "Unknown" text) when it has none. */
    private static int code(Enum<?> constant) {
        if (constant instanceof EventDisabledCause cause) return (int) cause.value;
        if (constant instanceof EventErrorType type) return (int) type.value;
        if (constant instanceof EventFatalErrorType type) return (int) type.value;
        return -1;
    }

    static String describe(Event event) {
        StringBuilder text = new StringBuilder(String.valueOf(event.type));
        switch (String.valueOf(event.type)) {
            case "Connected" -> text.append(" over ").append(event.connected.type);
            case "Disconnected" -> text.append(" from ").append(event.disconnected.type);
            case "HeartBeat" -> text.append(" status ").append(event.heartBeat.status);
            case "Disabled" -> text.append(": ").append(AlertUtils.getDisabledCauseText(code(event.disabled.cause)));
            case "Error" -> text.append(": ").append(AlertUtils.getErrorTypeText(code(event.error.type)))
                    .append(" (").append(event.error.message).append(")");
            case "FatalError" -> text.append(": ").append(AlertUtils.getFatalErrorTypeText(code(event.fatalError.type)));
            case "RegisteredEntity" -> text.append(" id ").append(event.registeredEntity.id);
            default -> { }
        }
        if (event.extraMessage != null) {
            text.append(" - ").append(event.extraMessage);
        }
        return text.toString();
    }
}
