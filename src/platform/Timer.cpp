#include "platform/Timer.h"

#include <QList>
#include <QTimer>

namespace platform {

namespace {

struct ManualTime {
    bool on = false;
    qint64 now = 0;
    QList<Timer*> started;
};

ManualTime& manual() {
    static ManualTime m;
    return m;
}

} // namespace

Timer::Timer(int intervalMs, QObject* parent) : QObject(parent), m_interval(intervalMs) {}

Timer::~Timer() {
    stop();
}

void Timer::start() {
    stop();
    ManualTime& m = manual();
    if (m.on) {
        m_dueAt = m.now + m_interval;
        m.started << this;
        return;
    }
    if (!m_real) {
        m_real = new QTimer(this);
        m_real->setSingleShot(true);
        connect(m_real, &QTimer::timeout, this, &Timer::timeout);
    }
    m_real->start(m_interval);
}

void Timer::stop() {
    if (m_real)
        m_real->stop();
    if (m_dueAt >= 0) {
        manual().started.removeOne(this);
        m_dueAt = -1;
    }
}

bool Timer::isActive() const {
    return m_dueAt >= 0 || (m_real && m_real->isActive());
}

void Timer::setManual(bool on) {
    manual().on = on;
}

void Timer::advance(int ms) {
    ManualTime& m = manual();
    const qint64 until = m.now + ms;
    // One at a time: what a timer's handler does may stop or start others.
    for (;;) {
        Timer* next = nullptr;
        for (Timer* timer : m.started)
            if (timer->m_dueAt <= until && (!next || timer->m_dueAt < next->m_dueAt))
                next = timer;
        if (!next)
            break;
        m.now = next->m_dueAt;
        next->stop();
        emit next->timeout();
    }
    m.now = until;
}

} // namespace platform
