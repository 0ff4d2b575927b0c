// Shared behaviour of the game's screens.
#include "screens/ScreenDialog.h"

#include "rules/core/Game.h"
#include "screens/ErrorBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

ScreenDialog::ScreenDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(&game)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

int ScreenDialog::execFor(Game& game)
{
    m_game = &game;
    return exec();
}

void ScreenDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        centreOnScreen(this);
        onShown();
    }
}

void ScreenDialog::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void ScreenDialog::closeEvent(QCloseEvent* e)
{
    if (!mayClose()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    return l;
}

bool isOffered(const QPushButton* button)
{
    return button && button->isVisible() && button->isEnabled();
}

void bringUp(QWidget* screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

bool loadRosterOrReport(QWidget* screen, Game& game)
{
    if (game.load() == LoadResult::Loaded)
        return true;
    showFileError(screen);
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
QString g_lastReport;   // the cause last reported inside the open scopes

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
    QMessageBox::warning(screen, QStringLiteral("Kirimaki"), retry.isEmpty() ? cause : cause + QStringLiteral("\n\n") + retry);
    return false;
}

bool saveRosterOrReport(QWidget* screen, const Game& game, const QString& retry)
{
    return reportIfSaveFailed(screen, game.save(), retry);
}
