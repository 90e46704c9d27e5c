// Preloaded into a program by scripts/startup-bench.sh: ends the program as
// soon as its first window has been painted, so that the time from start to
// exit is the time to the first painted window.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {
class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->isWindow() && !seen_) {
            seen_ = true;
            // End the process once this paint is done and the frame went to
            // the screen, before anything queued after it and without tearing
            // the windows down: neither belongs to the time measured.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { std::_Exit(0); });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void watchFirstPaint() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
