// The about box, with a small ring-side picture drawn by the program itself.
#include "screens/AboutBox.h"

#include "screens/ScreenDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox* aboutBox = nullptr;

namespace {

// Two wrestlers meeting at the tachiai on a clay ring, under the roof's
// tassel colours: a 96 x 96 picture painted at run time.
QPixmap ringPicture()
{
    QPixmap pix(96, 96);
    pix.fill(QColor(250, 244, 228));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    // The raised clay mound and its straw ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 160, 110));
    p.drawRect(4, 70, 88, 22);
    p.setBrush(QColor(224, 196, 150));
    p.drawEllipse(QRectF(10, 58, 76, 22));
    p.setPen(QPen(QColor(150, 120, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(14, 60, 68, 18));

    // The four tassels of the hanging roof.
    const QColor tassels[] = {QColor(40, 40, 40), QColor(40, 90, 200), QColor(200, 40, 40), QColor(240, 240, 240)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(tassels[i]);
        p.drawRect(8 + i * 25, 4, 6, 12);
    }
    p.setBrush(QColor(120, 60, 40));
    p.drawRect(4, 2, 88, 4);

    // Two wrestlers leaning into each other at the charge, arms locked.
    const QColor skin(236, 190, 150);
    auto wrestler = [&](double x, double lean, const QColor& belt) {
        p.setPen(Qt::NoPen);
        p.setBrush(skin);
        p.drawEllipse(QRectF(x - 10, 40, 20, 24));            // body
        p.drawEllipse(QRectF(x - 5 + lean, 30, 11, 11));      // head
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QRectF(x - 2 + lean, 27, 5, 4));        // topknot
        p.setBrush(belt);
        p.drawRect(QRectF(x - 10, 53, 20, 6));                // mawashi
        p.setBrush(skin);
        p.drawRect(QRectF(x - 8, 60, 5, 9));                  // legs
        p.drawRect(QRectF(x + 3, 60, 5, 9));
        p.setPen(QPen(skin, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + lean, 46), QPointF(x + 3.2 * lean, 52));  // arm reaching across
    };
    wrestler(33, 4, QColor(90, 40, 120));
    wrestler(63, -4, QColor(20, 90, 60));
    return pix;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About Kirimaki"));
    setModal(true);

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
    m_versionLabel = makeLabel(m_infoPanel, "versionLabel", QStringLiteral("Version 1.0, December 2026"));
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
