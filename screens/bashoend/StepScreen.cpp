// The shared shape of the potential, ageing and new-banzuke screens.
#include "screens/bashoend/StepScreen.h"


#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StepScreen::StepScreen(Game& game, QWidget* parent, const char* objectName, const QString& caption, const char* titleName,
                       const QString& title, const char* textName, const char* okName)
    : ScreenDialog(game, parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setTitleBoxes(this, TitleBoxes::Sizeable);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    if (titleName) {
        m_title = makeLabel(this, titleName, title);
        QFont bold = m_title->font();
        bold.setBold(true);
        m_title->setFont(bold);
        layout->addWidget(m_title);
    }
    m_text = makeLabel(this, textName);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setMinimumHeight(60);
    layout->addWidget(m_text, 1);
    m_ok = makeButton(this, okName, QStringLiteral("OK"));
    m_ok->setMinimumWidth(96);
    connect(m_ok, &QPushButton::clicked, this, &StepScreen::closeIfOffered);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    // A short text keeps this size; a long one makes the screen taller.
    setMinimumSize(460, 220);
    resize(520, 220);
}

void StepScreen::onShown()
{
    runAndShow();
}

void StepScreen::runAndShow()
{
    m_text->setText(toQt(runStep(*m_game)));
    fitToText();
    m_ok->setFocus(Qt::OtherFocusReason);
    m_unsaved = stepLeftUnsaved(this, *m_game, QStringLiteral("Press OK to try again."));
}

void StepScreen::closeIfOffered()
{
    if (!isOffered(m_ok))
        return;
    // The step is not taken as done until it is in the file: OK saves the
    // same result again rather than running the step a second time.
    if (m_unsaved) {
        m_unsaved = stepLeftUnsaved(this, *m_game, QStringLiteral("Press OK to try again."));
        if (m_unsaved)
            return;
    }
    accept();
}
