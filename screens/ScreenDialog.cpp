// Shared behaviour of the game's screens.
#include "screens/ScreenDialog.h"

#include "rules/core/Game.h"
#include "screens/ErrorBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

void setTitleBoxes(QWidget* window, TitleBoxes boxes)
{
    Qt::WindowFlags flags = (window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (boxes != TitleBoxes::Box)
        flags |= Qt::WindowMinimizeButtonHint;
    if (boxes == TitleBoxes::Sizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    else
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
}

ScreenDialog::ScreenDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(&game)
{
    setTitleBoxes(this, TitleBoxes::Fixed);
    centreWhenShown(this);
}

void ScreenDialog::fitToText()
{
    if (QLayout* l = layout()) {
        // A new text reaches the layouts of the panels around its label only
        // at the next turn of the event loop: bring them up to date now,
        // innermost first, and this screen's own layout last.
        const QList<QWidget*> inside = findChildren<QWidget*>();
        for (auto it = inside.rbegin(); it != inside.rend(); ++it) {
            if (QLayout* panel = (*it)->layout())
                panel->activate();
        }
        l->activate();
        // A fixed-size layout has just sized the screen to its contents.
        if (l->sizeConstraint() != QLayout::SetFixedSize) {
            const int needed = l->hasHeightForWidth() ? l->totalHeightForWidth(width()) : l->totalSizeHint().height();
            resize(width(), needed);   // held at the minimum height by resize()
        }
    }
    if (isVisible())
        centreOnScreen(this);
}

int ScreenDialog::execFor(Game& game)
{
    m_game = &game;
    return exec();
}

void ScreenDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        onShown();   // centred already; a screen that fits itself to its texts centres again
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

namespace {

// Centres a window each time the program shows it, and once more when the
// window manager has put its frame around it: until then the frame's size
// is not known, and a window centred without it ends off centre by half the
// title bar.
class CentreOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            centreOnScreen(window);
            m_frame = frameMargins(window);
            m_awaitingFrame = true;
        } else if (m_awaitingFrame && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
                m_awaitingFrame = false;   // the player has placed it himself
            } else if (frameMargins(window) != m_frame) {
                m_awaitingFrame = false;
                centreOnScreen(window);
            }
        }
        return false;
    }

private:
    static QMargins frameMargins(const QWidget* window)
    {
        const QRect frame = window->frameGeometry();
        const QRect inside = window->geometry();
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                        frame.bottom() - inside.bottom());
    }

    QMargins m_frame;
    bool m_awaitingFrame = false;
};

// Swallows what the player does with mouse, keyboard, wheel, pen or touch.
class InputDiscarder : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken by the focus widget: the key is not tried as an accelerator.
            event->accept();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void centreWhenShown(QWidget* window)
{
    window->installEventFilter(new CentreOnShow(window));
}

QString widestName(const QFontMetrics& metrics, int characters)
{
    QChar widest(QLatin1Char('W'));
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c >= 0x7F && c < 0xA0)
            continue;   // control codes: no letters
        const QChar ch(c);
        if (metrics.horizontalAdvance(ch) > metrics.horizontalAdvance(widest))
            widest = ch;
    }
    return QString(characters, widest);
}

void pauseDiscardingInput(int milliseconds)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    InputDiscarder discarder;
    app->installEventFilter(&discarder);
    // quit() ends every running event loop, this one too.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
    // Input that reached the program only as the pause ended goes the same way.
    QCoreApplication::processEvents();
    app->removeEventFilter(&discarder);
}

bool loadRosterOrReport(QWidget* screen, Game& game)
{
    if (game.load() == LoadResult::Loaded)
        return true;
    showFileError(screen, game.savePath);
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
    const bool retryHelps = result.failure != SaveFailure::FileChanged;
    QMessageBox::warning(screen, QStringLiteral("Kirimaki"),
                         retry.isEmpty() || !retryHelps ? cause : cause + QStringLiteral("\n\n") + retry);
    return false;
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
