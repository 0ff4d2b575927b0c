// The banzuke view: places the layout's names and labels on a scrolling page.
#include "screens/tournament/BanzukeScreen.h"

#include "rules/core/Game.h"
#include "rules/tournament/BanzukeLayout.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

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
    setTitleBoxes(this, TitleBoxes::Sizeable);

    // The name buttons are as wide as the widest ring name a record can hold
    // needs in this font; everything right of a name column moves over by
    // what they gained.
    {
        QPushButton probe(widestName(fontMetrics(), static_cast<int>(kShikonaMax)));
        probe.setFont(font());
        m_nameWidth = std::max(kBanzukeNameWidth, probe.sizeHint().width());
    }
    m_pageWidth = pageX(kPageWidth);

    m_listWidget = new QWidget;
    m_listWidget->setObjectName(QStringLiteral("list"));
    m_banzukeTitleLabel = makeLabel(m_listWidget, "BanzukeLabel", QStringLiteral("The Banzuke through day 0 of the basho"));
    m_banzukeTitleLabel->move(0, 8);
    QFont titleFont = m_banzukeTitleLabel->font();
    titleFont.setBold(true);
    m_banzukeTitleLabel->setFont(titleFont);
    m_banzukeTitleLabel->setFixedWidth(m_pageWidth);
    m_banzukeTitleLabel->setAlignment(Qt::AlignHCenter);
    m_eastLabel = makeLabel(m_listWidget, "eastLabel", QStringLiteral("EAST"));
    m_eastLabel->move(30, kHeadingY);
    m_westLabel = makeLabel(m_listWidget, "westLabel", QStringLiteral("WEST"));
    m_westLabel->move(pageX(330), kHeadingY);
    m_listWidget->resize(m_pageWidth, kBanzukeFirstRowY + kBanzukeRowHeight);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setWidget(m_listWidget);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded); // only on a screen too small for both columns
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    nameControl(m_scrollArea->verticalScrollBar(), QStringLiteral("Scroll the banzuke"));
    nameControl(m_scrollArea->horizontalScrollBar(), QStringLiteral("Scroll the banzuke across"));

    m_closeButton = makeButton(this, "closeButton", QStringLiteral("Close"));
    giveKey(m_closeButton, QKeySequence(Qt::ALT | Qt::Key_C), QStringLiteral("Close the banzuke"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scrollArea, 1);
    layout->addLayout(buttons);

    connect(m_closeButton, &QPushButton::clicked, this, &BanzukeScreen::closeBanzuke);

    // Wide enough for both columns and a scroll bar; tall enough for most of
    // the list, which scrolls for the rest.
    const int width = m_pageWidth + 2 * layout->contentsMargins().left() + 24;
    setMinimumWidth(width);
    resize(width, kVisibleHeight);
}

int BanzukeScreen::pageX(int x) const
{
    const int gained = m_nameWidth - kBanzukeNameWidth;
    int shift = 0;
    for (int column : {0, kBanzukeWestNameX})
        if (x >= column + kBanzukeNameWidth)
            shift += gained;
    return x + shift;
}

void BanzukeScreen::onShown()
{
    fillBanzuke();
    fitInsideScreen(this);
    // The reading starts at the top of the list, with the first Yokozuna.
    if (!m_nameButtons.empty())
        m_nameButtons.front()->setFocus(Qt::OtherFocusReason);
    else
        m_closeButton->setFocus(Qt::OtherFocusReason);
}

void BanzukeScreen::fillBanzuke()
{
    if (!loadRosterOrReport(this, *m_game))
        return;
    const BanzukeLayout page = banzukeLayout(m_game->roster);
    m_banzukeTitleLabel->setText(toQt(page.title));

    for (QWidget* w : m_built)
        delete w;
    m_built.clear();
    m_nameButtons.clear();

    for (const BanzukeItem& item : page.items) {
        QWidget* w = nullptr;
        if (item.kind == BanzukeItem::Name) {
            const QByteArray name = "NameButton" + QByteArray::number(item.slot);
            QPushButton* b = makeButton(m_listWidget, name.constData(), buttonText(item.text));
            b->setGeometry(pageX(item.x), item.y, m_nameWidth, kNameHeight);
            const int slot = item.slot;
            connect(b, &QPushButton::clicked, this, [this, b, slot] {
                if (isOffered(b))
                    viewRikishiInSlot(slot);
            });
            nameControl(b, toQt(item.spoken), QStringLiteral("Shows this wrestler in the viewer"));
            m_nameButtons.push_back(b);
            w = b;
        } else {
            QLabel* l = makeLabel(m_listWidget, "", toQt(item.text));
            l->move(pageX(item.x), item.y);
            l->adjustSize();
            w = l;
        }
        w->show();
        m_built.push_back(w);
    }
    m_listWidget->resize(m_pageWidth, page.bottom);
}

void BanzukeScreen::closeBanzuke()
{
    if (!isOffered(m_closeButton))
        return;
    close();
}

void BanzukeScreen::viewRikishiInSlot(int slot)
{
    emit rikishiChosen(slot + 1);
}
