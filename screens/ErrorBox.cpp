// The one failure the game reports on loading: no readable save file.
#include "screens/ErrorBox.h"

#include "screens/Controls.h"
#include "screens/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Where the file was looked for, as a full path: the player may have started
// the game from a menu and not know its folder.
QString lookedForLine(const std::string& savePath)
{
    const QString path = QString::fromLocal8Bit(savePath.c_str());
    return QStringLiteral("at %1.").arg(QFileInfo(path).absoluteFilePath());
}

} // namespace

ErrorBox::ErrorBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("errorBox"));
    setWindowTitle(QStringLiteral("Error opening file..."));
    setModal(true);
    setTitleBoxes(this, TitleBoxes::Box);
    centreWhenShown(this);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_errorLabel = makeLabel(this, "errorLabel", QStringLiteral("Error opening rikishi.r file."));
    m_checkFileLabel = makeLabel(this, "checkFileLabel", QStringLiteral("Please check to see that this file exists"));
    m_whereLabel = makeLabel(this, "whereLabel");
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(m_errorLabel);
    text->addWidget(m_checkFileLabel);
    text->addWidget(m_whereLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ErrorBox::showFor(const std::string& savePath)
{
    m_whereLabel->setText(lookedForLine(savePath));
    exec();
}
