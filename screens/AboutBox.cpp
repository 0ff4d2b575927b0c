// The about box, with the small ring-side picture that is also the icon.
#include "screens/AboutBox.h"

#include "screens/RingPicture.h"
#include "screens/ScreenDialog.h"

#include "Version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox* aboutBox = nullptr;

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Kirimaki"));
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Image1 = new QLabel(Bevel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ringPicture());
    Image1->setFixedSize(Image1->pixmap().size());

    Label1 = makeLabel(Bevel1, "Label1", QStringLiteral("Kirimaki"));
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    Label1->setFont(big);
    Label2 = makeLabel(Bevel1, "Label2", QStringLiteral("A sumo career, one bout at a time."));
    Label3 = makeLabel(Bevel1, "Label3", QStringLiteral("Version %1, %2").arg(QStringLiteral(KIRIMAKI_VERSION), QStringLiteral(KIRIMAKI_RELEASE_MONTH)));
    Label4 = makeLabel(Bevel1, "Label4", QStringLiteral("Written by the Kirimaki team"));
    Label5 = makeLabel(Bevel1, "Label5", QStringLiteral("Feedback: kirimaki@example.org"));

    auto* lines = new QVBoxLayout;
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5})
        lines->addWidget(l);
    lines->addStretch();
    auto* inside = new QHBoxLayout(Bevel1);
    inside->setContentsMargins(12, 12, 12, 12);
    inside->setSpacing(14);
    inside->addWidget(Image1, 0, Qt::AlignTop);
    inside->addLayout(lines);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
