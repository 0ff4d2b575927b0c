// Loads and saves made from the screens, and how their failures are reported.
#include "screens/SaveReport.h"

#include "rules/core/Game.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

FileErrorReporter g_fileErrorReporter;

} // namespace

void setFileErrorReporter(FileErrorReporter reporter)
{
    g_fileErrorReporter = std::move(reporter);
}

bool loadRosterOrReport(QWidget* screen, Game& game)
{
    if (game.load() == LoadResult::Loaded)
        return true;
    if (g_fileErrorReporter)
        g_fileErrorReporter(screen, game.savePath);
    if (screen) {
        QPointer<QWidget> guard(screen);
        QTimer::singleShot(0, screen, [guard] {
            if (guard)
                guard->close();
        });
    }
    return false;
}

namespace {

int g_reportScopes = 0;
QString g_lastReport; // the cause last reported inside the open scopes

} // namespace

OneSaveReport::OneSaveReport() { ++g_reportScopes; }

OneSaveReport::~OneSaveReport()
{
    if (--g_reportScopes == 0)
        g_lastReport.clear();
}

bool reportIfSaveFailed(QWidget* screen, const SaveResult& result, const QString& retry)
{
    if (result)
        return true;
    const QString cause = QString::fromStdString(saveFailureMessage(result));
    if (g_reportScopes > 0) {
        if (cause == g_lastReport)
            return false;
        g_lastReport = cause;
    }
    const bool retryHelps = result.failure != SaveFailure::FileChanged;
    QMessageBox::warning(screen, QStringLiteral("Kirimaki"),
                         retry.isEmpty() || !retryHelps ? cause : cause + QStringLiteral("\n\n") + retry);
    return false;
}

void reportHistoryNotice(QWidget* parent, const std::string& message)
{
    const QString text = QString::fromStdString(message);
    QPointer<QWidget> guard(parent);
    QTimer::singleShot(0, qApp, [guard, text] {
        QMessageBox::information(guard.data(), QStringLiteral("Kirimaki"), text);
    });
}

bool saveRosterOrReport(QWidget* screen, const Game& game, const QString& retry)
{
    return reportIfSaveFailed(screen, game.save(), retry);
}

bool stepLeftUnsaved(QWidget* screen, const Game& game, const QString& retry)
{
    const SaveResult result = game.save();
    return !reportIfSaveFailed(screen, result, retry) && result.failure != SaveFailure::FileChanged;
}
