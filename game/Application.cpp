// Exception reporting for the whole program.
#include "game/Application.h"

#include <QMessageBox>

#include <exception>

KirimakiApplication::KirimakiApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kirimaki"));
}

bool KirimakiApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showExceptionBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showExceptionBox(QStringLiteral("Unknown error"));
    }
    return false;
}

void showExceptionBox(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Kirimaki"), message + QLatin1Char('.'));
}
