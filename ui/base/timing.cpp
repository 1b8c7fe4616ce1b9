// Screen timer intervals and the scale tests use to shorten them.
#include "ui/base/timing.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
// Process-wide on purpose: timers are created deep inside screens that tests only open
// through the game's own calls, so the pace cannot be handed down to each of them.
double g_scale = 1.0;
}  // namespace

void UiTiming::SetScale(double scale) {
    g_scale = scale > 0.0 ? scale : 0.0;
}

double UiTiming::Scale() {
    return g_scale;
}

int UiTiming::Scaled(int baseMs) {
    if (g_scale == 1.0) return baseMs;
    const double ms = std::round(static_cast<double>(baseMs) * g_scale);
    return std::max(1, static_cast<int>(std::min(ms, 2147483647.0)));
}

int UiTiming::NoticeMs() {
    return Scaled(5000);
}
int UiTiming::PracticeStepMs() {
    return Scaled(1000);
}
int UiTiming::BlinkMs() {
    return Scaled(700);
}
int UiTiming::KeySequenceMs() {
    return Scaled(2000);
}
int UiTiming::BeforeGameMs() {
    return Scaled(2000);
}
int UiTiming::BarTickMs() {
    return Scaled(10);
}
int UiTiming::PercentFlickerMs() {
    return Scaled(20);
}
int UiTiming::PercentStepMs() {
    return Scaled(750);
}
int UiTiming::DrawStepMs() {
    return Scaled(500);
}
int UiTiming::NoticeKeyGuardMs() {
    return Scaled(500);
}
int UiTiming::BeforeGameMs(bool fast) {
    return Scaled(fast ? 2000 / kFastMatchDivisor : 2000);
}
int UiTiming::PercentStepMs(bool fast) {
    return Scaled(fast ? 750 / kFastMatchDivisor : 750);
}
int UiTiming::DrawStepMs(bool fast) {
    return Scaled(fast ? 500 / kFastMatchDivisor : 500);
}

}  // namespace tk
