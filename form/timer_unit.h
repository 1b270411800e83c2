// Timer: raises its periodic event from the message loop every `period`
// milliseconds while the period is above 0. It has no window of its own.
#pragma once

#include "form/control.h"

#include <QObject>
#include <QTimer>

namespace form {

class TimerUnit : public QObject, public Control {
public:
    TimerUnit(Runtime& runtime, WindowId window, const ControlForm& form, QObject* parent);

    QWidget* widget() override { return nullptr; }
    std::optional<std::int64_t> readProperty(int index) override;
    bool writeProperty(int index, std::int64_t value) override;

    int period() const { return m_period; }
    bool isRunning() const { return m_timer.isActive(); }
    // How many times a countdown has been started from zero.
    int countdownsStarted() const { return m_countdownsStarted; }

private:
    // Negative stores 0; the same value again leaves a running countdown
    // alone; any other value stops the timer and, above 0, starts it afresh.
    void setPeriod(std::int64_t period);

    QTimer m_timer;
    int m_period = 0;
    int m_countdownsStarted = 0;
};

} // namespace form
