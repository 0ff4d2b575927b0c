// The application object: reports an exception that escapes a handler.
#pragma once

#include <QApplication>

class QString;

// An exception escaping an event handler is shown in the standard error box
// (its message and ".", titled "Kirimaki"), and the event loop goes on.
class KirimakiApplication : public QApplication {
    Q_OBJECT
public:
    KirimakiApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error box for an exception's message.
void showExceptionBox(const QString& message);
