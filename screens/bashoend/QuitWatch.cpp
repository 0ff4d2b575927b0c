// The quit watch: an application event filter on QEvent::Quit.
#include "screens/bashoend/QuitWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace {

bool g_quitting = false;
QObject* g_filter = nullptr; // owned by the application object

class QuitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
            g_quitting = true;
            // When the program really quits, no event loop turns again and
            // this never runs; it clears a request that was refused.
            QTimer::singleShot(0, this, [] { g_quitting = false; });
        }
        return false;
    }
};

} // namespace

void watchApplicationQuit()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || (g_filter && g_filter->parent() == app))
        return;
    g_filter = new QuitFilter(app);
    app->installEventFilter(g_filter);
}

bool applicationQuitting()
{
    return g_quitting || QCoreApplication::closingDown();
}
