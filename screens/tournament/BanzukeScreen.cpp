// The banzuke view: places the layout's names and labels on a scrolling page.
#include "screens/tournament/BanzukeScreen.h"

#include "rules/core/Game.h"
#include "rules/tournament/BanzukeLayout.h"
#include "screens/tournament/RikishiViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

BanzukeScreen* banzukeScreen = nullptr;

namespace {

constexpr int kPageWidth = 470;
constexpr int kHeadingY = 36;
constexpr int kNameHeight = 22;
constexpr int kVisibleHeight = 520;

// A ring name on a button is text: an '&' in it must not become a mnemonic.
QString buttonText(const std::string& latin1)
{
    return toQt(latin1).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

BanzukeScreen::BanzukeScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("banzukeScreen"));
    setWindowTitle(QStringLiteral("Banzuke"));
    setModal(false);

    list = new QWidget;
    list->setObjectName(QStringLiteral("list"));
    BanzukeLabel = makeLabel(list, "BanzukeLabel", QStringLiteral("The Banzuke through day 0 of the basho"));
    BanzukeLabel->move(0, 8);
    QFont titleFont = BanzukeLabel->font();
    titleFont.setBold(true);
    BanzukeLabel->setFont(titleFont);
    BanzukeLabel->setFixedWidth(kPageWidth);
    BanzukeLabel->setAlignment(Qt::AlignHCenter);
    m_eastLabel = makeLabel(list, "eastLabel", QStringLiteral("EAST"));
    m_eastLabel->move(30, kHeadingY);
    m_westLabel = makeLabel(list, "westLabel", QStringLiteral("WEST"));
    m_westLabel->move(330, kHeadingY);
    list->resize(kPageWidth, kBanzukeFirstRowY + kBanzukeRowHeight);

    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setWidget(list);
    scrollArea->setWidgetResizable(false);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setFrameShape(QFrame::NoFrame);

    m_closeButton = makeButton(this, "closeButton", QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea, 1);
    layout->addLayout(buttons);

    connect(m_closeButton, &QPushButton::clicked, this, &BanzukeScreen::closeBanzuke);

    // Wide enough for both columns and a scroll bar; tall enough for most of
    // the list, which scrolls for the rest.
    resize(kPageWidth + 2 * layout->contentsMargins().left() + 24, kVisibleHeight);
}

void BanzukeScreen::onShown()
{
    fillBanzuke();
}

void BanzukeScreen::fillBanzuke()
{
    if (!loadRosterOrReport(this, *m_game))
        return;
    const BanzukeLayout page = banzukeLayout(m_game->roster);
    BanzukeLabel->setText(toQt(page.title));

    for (QWidget* w : m_built)
        delete w;
    m_built.clear();
    nameButtons.clear();

    for (const BanzukeItem& item : page.items) {
        QWidget* w = nullptr;
        if (item.kind == BanzukeItem::Name) {
            const QByteArray name = "NameButton" + QByteArray::number(item.slot);
            QPushButton* b = makeButton(list, name.constData(), buttonText(item.text));
            b->setGeometry(item.x, item.y, kBanzukeNameWidth, kNameHeight);
            const int slot = item.slot;
            connect(b, &QPushButton::clicked, this, [this, b, slot] {
                if (isOffered(b))
                    viewRikishiInSlot(slot);
            });
            nameButtons.push_back(b);
            w = b;
        } else {
            QLabel* l = makeLabel(list, "", toQt(item.text));
            l->move(item.x, item.y);
            l->adjustSize();
            w = l;
        }
        w->show();
        m_built.push_back(w);
    }
    list->resize(kPageWidth, page.bottom);
}

void BanzukeScreen::closeBanzuke()
{
    if (!isOffered(m_closeButton))
        return;
    close();
}

void BanzukeScreen::viewRikishiInSlot(int slot)
{
    if (rikishiViewer)
        rikishiViewer->showRikishi(slot + 1);
}
