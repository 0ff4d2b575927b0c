// The one failure the game reports on loading: no readable save file.
#include "screens/ErrorBox.h"

#include "game/GameState.h"
#include "rules/core/Game.h"
#include "screens/ScreenDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ErrorBox* errorBox = nullptr;

namespace {

// Where the file was looked for, as a full path: the player may have started
// the game from a menu and not know its folder.
QString lookedForLine()
{
    const QString path = QString::fromLocal8Bit(gameState().savePath.c_str());
    return QStringLiteral("at %1.").arg(QFileInfo(path).absoluteFilePath());
}

} // namespace

ErrorBox::ErrorBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ErrorBox"));
    setWindowTitle(QStringLiteral("Error opening file..."));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = makeLabel(this, "Label1", QStringLiteral("Error opening rikishi.r file."));
    Label2 = makeLabel(this, "Label2", QStringLiteral("Please check to see that this file exists"));
    Label3 = makeLabel(this, "Label3", lookedForLine());
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(Label2);
    text->addWidget(Label3);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showFileError(QWidget* parent)
{
    if (errorBox) {
        errorBox->Label3->setText(lookedForLine());
        errorBox->exec();
        return;
    }
    ErrorBox box(parent);
    box.exec();
}
