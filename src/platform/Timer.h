#pragma once

#include <QObject>

class QTimer;

namespace platform {

// A one-shot timer, the one windows use. In the program its interval runs on
// the event loop's clock; once a test has made time manual, time stands
// still until the test advances it, so no test waits for real time.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(int intervalMs, QObject* parent);
    ~Timer() override;

    // Starts the interval from now; a running interval starts over.
    void start();
    void stop();
    bool isActive() const;

    // Tests: timers started from now on wait for `advance` instead of the clock.
    static void setManual(bool on);
    // Moves manual time forward and fires, in the order they fall due, the
    // timers whose interval runs out meanwhile.
    static void advance(int ms);

signals:
    void timeout();

private:
    int m_interval;
    QTimer* m_real = nullptr;
    // The manual time at which the timer fires; negative when it waits for nothing.
    qint64 m_dueAt = -1;
};

} // namespace platform
