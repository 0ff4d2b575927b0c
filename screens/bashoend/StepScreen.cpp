// The shared shape of the potential, ageing and new-banzuke screens.
#include "screens/bashoend/StepScreen.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"

#include <QHBoxLayout>
#include <QKeySequence>
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
        m_titleLabel = makeLabel(this, titleName, title);
        QFont bold = m_titleLabel->font();
        bold.setBold(true);
        m_titleLabel->setFont(bold);
        layout->addWidget(m_titleLabel);
    }
    m_textLabel = makeLabel(this, textName);
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textLabel->setMinimumHeight(60);
    layout->addWidget(m_textLabel, 1);
    m_okButton = makeButton(this, okName, QStringLiteral("OK"));
    giveKey(m_okButton, QKeySequence(Qt::ALT | Qt::Key_O), QStringLiteral("OK"));
    m_okButton->setMinimumWidth(96);
    connect(m_okButton, &QPushButton::clicked, this, &StepScreen::closeIfOffered);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
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
    m_textLabel->setText(toQt(runStep(*m_game)));
    fitToText();
    m_okButton->setFocus(Qt::OtherFocusReason);
    m_unsaved = stepLeftUnsaved(this, *m_game, QStringLiteral("Press OK to try again."));
}

void StepScreen::closeIfOffered()
{
    if (!isOffered(m_okButton))
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
