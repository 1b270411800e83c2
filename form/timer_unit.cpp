#include "form/timer_unit.h"

#include "form/runtime.h"

#include <algorithm>
#include <limits>

namespace form {

TimerUnit::TimerUnit(Runtime& runtime, WindowId window, const ControlForm& form, QObject* parent)
    : QObject(parent), Control(runtime, window, form.unitId, Kind::Timer)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Control::runtime().raise(*this, event::periodic); });
    setPeriod(form.timerPeriod);
}

std::optional<std::int64_t> TimerUnit::readProperty(int index)
{
    if (index == property::timerPeriod)
        return m_period;
    return Control::readProperty(index);
}

bool TimerUnit::writeProperty(int index, std::int64_t value)
{
    if (index == property::timerPeriod) {
        setPeriod(value);
        return true;
    }
    return Control::writeProperty(index, value);
}

void TimerUnit::setPeriod(std::int64_t period)
{
    const int stored = int(std::clamp<std::int64_t>(period, 0, std::numeric_limits<int>::max()));
    if (stored == m_period)
        return;
    m_period = stored;
    m_timer.stop();
    if (m_period > 0) {
        m_timer.start(m_period);
        ++m_countdownsStarted;
    }
}

} // namespace form
