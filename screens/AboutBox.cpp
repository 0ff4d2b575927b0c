// The about box, with the small ring-side picture that is also the icon.
#include "screens/AboutBox.h"

#include "screens/RingPicture.h"
#include "screens/ScreenDialog.h"
#include "screens/Controls.h"
#include "screens/WindowPlacement.h"

#include "Version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About Kirimaki"));
    setModal(true);
    setTitleBoxes(this, TitleBoxes::Box);
    centreWhenShown(this);

    m_infoPanel = new QFrame(this);
    m_infoPanel->setObjectName(QStringLiteral("infoPanel"));
    m_infoPanel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_iconLabel = new QLabel(m_infoPanel);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setPixmap(ringPicture());
    m_iconLabel->setFixedSize(m_iconLabel->pixmap().size());

    m_gameNameLabel = makeLabel(m_infoPanel, "gameNameLabel", QStringLiteral("Kirimaki"));
    QFont big = m_gameNameLabel->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    m_gameNameLabel->setFont(big);
    m_taglineLabel = makeLabel(m_infoPanel, "taglineLabel", QStringLiteral("A sumo career, one bout at a time."));
    m_versionLabel = makeLabel(m_infoPanel, "versionLabel", QStringLiteral("Version %1, %2").arg(QStringLiteral(KIRIMAKI_VERSION), QStringLiteral(KIRIMAKI_RELEASE_MONTH)));
    m_authorsLabel = makeLabel(m_infoPanel, "authorsLabel", QStringLiteral("Written by the Kirimaki team"));
    m_feedbackLabel = makeLabel(m_infoPanel, "feedbackLabel", QStringLiteral("Feedback: kirimaki@example.org"));

    auto* lines = new QVBoxLayout;
    for (QLabel* l : {m_gameNameLabel, m_taglineLabel, m_versionLabel, m_authorsLabel, m_feedbackLabel})
        lines->addWidget(l);
    lines->addStretch();
    auto* inside = new QHBoxLayout(m_infoPanel);
    inside->setContentsMargins(12, 12, 12, 12);
    inside->setSpacing(14);
    inside->addWidget(m_iconLabel, 0, Qt::AlignTop);
    inside->addLayout(lines);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_infoPanel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
