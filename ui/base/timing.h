// The one place every screen timer takes its interval from, so UI tests can shorten them all.
#pragma once

namespace tk {

// Intervals of the screen timers in milliseconds. A screen never writes a number of
// milliseconds itself; it asks here, e.g. `timer.setInterval(UiTiming::NoticeMs())`.
//
// The game always runs at scale 1. UI tests call SetScale (or use ScopedUiTimingScale from
// tests/ui/modal_helper.h) so that a five-second notice closes in a few milliseconds and a
// match plays out at once; a scaled interval is never shorter than 1 ms, so a repeating
// timer still lets the event loop breathe. This scale is the only process-wide setting of
// the screens: it changes pacing, never what a screen does.
class UiTiming {
public:
    static int NoticeMs();          // 5000: a notice closes itself
    static int PracticeStepMs();    // 1000: one time-of-day step of a practice week
    static int BlinkMs();           // 700: the practice mark on the grounds view blinks
    static int KeySequenceMs();     // 2000: window for typing the main screen's key sequence
    static int BeforeGameMs();      // 2000: the match announcement stays up
    static int BarTickMs();         // 10: one tick of a growing bar on the match screen
    static int PercentFlickerMs();  // 20: the flickering percentage of the match screen
    static int PercentStepMs();     // 750: last bar drawn -> the win percentage is shown
    static int DrawStepMs();        // 500: percentage shown -> the bout is decided
    static int NoticeKeyGuardMs();  // 500: keys after a notice closed by itself are not commands

    // Fast mode (高速) shortens the match screens as it shortens the practice week: the
    // announcement and the two pauses of a bout last a fifth as long. Only the pace changes,
    // never a draw.
    static constexpr int kFastMatchDivisor = 5;
    static int BeforeGameMs(bool fast);
    static int PercentStepMs(bool fast);
    static int DrawStepMs(bool fast);

    // Factor applied to every interval above (1.0 in the game). Values <= 0 are taken as
    // the smallest scale, where every interval is 1 ms.
    static void SetScale(double scale);
    static double Scale();

    // Any interval scaled like those above, for a timer not yet named here.
    static int Scaled(int baseMs);
};

}  // namespace tk
