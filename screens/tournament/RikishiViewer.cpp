// The Rikishi viewer: copies the record's captions onto its labels.
#include "screens/tournament/RikishiViewer.h"

#include "screens/career/ScrollEventBar.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"
#include "rules/core/Game.h"
#include "rules/tournament/RikishiSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* valueLabel(QWidget* parent, const char* name, const char* design)
{
    QLabel* l = makeLabel(parent, name, QString::fromLatin1(design));
    l->setMinimumWidth(28);
    return l;
}

// A caption and its value side by side in a grid.
void addPair(QGridLayout* grid, int row, int column, QLabel* caption, QLabel* value)
{
    grid->addWidget(caption, row, column);
    grid->addWidget(value, row, column + 1);
}

} // namespace

RikishiViewer::RikishiViewer(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("rikishiViewer"));
    setWindowTitle(QStringLiteral("View Rikishi"));
    setModal(false);

    QGridLayout* const names = buildNames();
    QHBoxLayout* const body = buildBody();
    QGridLayout* const abilities = buildAbilities();
    QGridLayout* const records = buildRecords();
    auto* sheet = new QVBoxLayout;
    sheet->addLayout(names);
    sheet->addLayout(body);
    sheet->addSpacing(8);
    sheet->addLayout(abilities);
    sheet->addSpacing(8);
    sheet->addLayout(records);
    QVBoxLayout* const side = buildNumberBar();

    auto* top = new QHBoxLayout;
    top->addLayout(sheet, 1);
    top->addSpacing(12);
    top->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_historyButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    readInLayoutOrder(this);

    connect(m_numberBar, &ScrollEventBar::scrolled, this, &RikishiViewer::scrollNumber);
    connect(m_numberBar, &QAbstractSlider::valueChanged, this, &RikishiViewer::showViewedRikishi);
    connect(m_closeButton, &QPushButton::clicked, this, &RikishiViewer::closeViewer);
    connect(m_historyButton, &QPushButton::clicked, this, [this] {
        if (isOffered(m_historyButton))
            emit historyWanted(fromQt(m_shikonaLabel->text()));
    });
}

QLabel* RikishiViewer::caption(const char* name, const char* text)
{
    return makeLabel(this, name, QString::fromLatin1(text));
}

QGridLayout* RikishiViewer::buildNames()
{
    m_shikonaLabel = valueLabel(this, "Shikona", "");
    m_realNameLabel = valueLabel(this, "RealName", "");
    m_heightLabel = valueLabel(this, "height", "###");
    m_weightLabel = valueLabel(this, "weight", "###");
    m_ageLabel = valueLabel(this, "age", "##");
    auto* names = new QGridLayout;
    addPair(names, 0, 0, caption("shikonaCaption", "Shikona:"), m_shikonaLabel);
    addPair(names, 1, 0, caption("realNameCaption", "Real name:"), m_realNameLabel);
    names->setColumnMinimumWidth(1, 160);
    names->setColumnStretch(2, 1);
    return names;
}

QHBoxLayout* RikishiViewer::buildBody()
{
    auto* body = new QHBoxLayout;
    body->addWidget(caption("heightCaption", "Height:"));
    body->addWidget(m_heightLabel);
    body->addSpacing(12);
    body->addWidget(caption("weightCaption", "Weight:"));
    body->addWidget(m_weightLabel);
    body->addSpacing(12);
    body->addWidget(caption("ageCaption", "Age:"));
    body->addWidget(m_ageLabel);
    body->addStretch();
    return body;
}

QGridLayout* RikishiViewer::buildAbilities()
{
    m_strengthLabel = valueLabel(this, "strength", "##");
    m_jumpLabel = valueLabel(this, "jump", "##");
    m_agilityLabel = valueLabel(this, "agility", "##");
    m_receiveLabel = valueLabel(this, "receive", "##");
    m_tachiaiLabel = valueLabel(this, "tachiai", "##");
    m_hatakikomiLabel = valueLabel(this, "hatakikomi", "##");
    m_oshiLabel = valueLabel(this, "oshi", "##");
    m_defenseLabel = valueLabel(this, "defense", "##");
    m_yotsuLabel = valueLabel(this, "yotsu", "##");
    m_staminaLabel = valueLabel(this, "stamina", "##");
    m_tenageLabel = valueLabel(this, "tenage", "##");
    m_intangiblesLabel = valueLabel(this, "intangibles", "##");
    m_tsuppariLabel = valueLabel(this, "tsuppari", "##");
    m_potentialLabel = valueLabel(this, "potential", "##");
    m_skillLabel = valueLabel(this, "skill", "##");
    m_powerLabel = valueLabel(this, "power", "##");
    m_yushoLabel = valueLabel(this, "yusho", "##");
    m_junyushoLabel = valueLabel(this, "junyusho", "##");
    auto* abilities = new QGridLayout;
    abilities->setHorizontalSpacing(8);
    addPair(abilities, 0, 0, caption("strengthCaption", "Strength:"), m_strengthLabel);
    addPair(abilities, 0, 2, caption("jumpCaption", "Jump:"), m_jumpLabel);
    addPair(abilities, 1, 0, caption("agilityCaption", "Agility:"), m_agilityLabel);
    addPair(abilities, 1, 2, caption("receiveCaption", "Receive:"), m_receiveLabel);
    addPair(abilities, 2, 0, caption("tachiaiCaption", "Tachiai:"), m_tachiaiLabel);
    addPair(abilities, 2, 2, caption("hatakikomiCaption", "Hatakikomi:"), m_hatakikomiLabel);
    addPair(abilities, 3, 0, caption("oshiCaption", "Oshi:"), m_oshiLabel);
    addPair(abilities, 3, 2, caption("defenseCaption", "Defense:"), m_defenseLabel);
    addPair(abilities, 4, 0, caption("yotsuCaption", "Yotsu:"), m_yotsuLabel);
    addPair(abilities, 4, 2, caption("staminaCaption", "Stamina:"), m_staminaLabel);
    addPair(abilities, 5, 0, caption("tenageCaption", "Tenage:"), m_tenageLabel);
    addPair(abilities, 5, 2, caption("intangiblesCaption", "Intangibles:"), m_intangiblesLabel);
    addPair(abilities, 6, 0, caption("tsuppariCaption", "Tsuppari:"), m_tsuppariLabel);
    addPair(abilities, 6, 2, caption("potentialCaption", "Potential:"), m_potentialLabel);
    abilities->setColumnMinimumWidth(4, 24);
    addPair(abilities, 0, 5, caption("skillCaption", "Skill Rating:"), m_skillLabel);
    addPair(abilities, 1, 5, caption("powerCaption", "Power Rating:"), m_powerLabel);
    addPair(abilities, 3, 5, caption("yushoCaption", "Yusho:"), m_yushoLabel);
    addPair(abilities, 4, 5, caption("junyushoCaption", "Jun-Yusho:"), m_junyushoLabel);
    return abilities;
}

QGridLayout* RikishiViewer::buildRecords()
{
    auto* records = new QGridLayout;
    records->setHorizontalSpacing(4);
    struct RecordRow {
        const char* captionName;
        const char* caption;
        QLabel* RikishiViewer::*wins;
        QLabel* RikishiViewer::*losses;
        QLabel* RikishiViewer::*percent;
        const char* names[3];
        const char* dashName;
        const char* percentSignName;
    };
    const RecordRow rows[] = {
        {"currentBashoCaption", "Current Basho Wins-Losses:", &RikishiViewer::m_cbwLabel, &RikishiViewer::m_cblLabel, &RikishiViewer::m_cbpLabel, {"cbw", "cbl", "cbp"}, "currentBashoDash", "currentBashoPercentSign"},
        {"lastBashoCaption", "Last Basho Wins-Losses:", &RikishiViewer::m_lbwLabel, &RikishiViewer::m_lblLabel, &RikishiViewer::m_lbpLabel, {"lbw", "lbl", "lbp"}, "lastBashoDash", "lastBashoPercentSign"},
        {"twoBashoAgoCaption", "Two Basho Ago Wins-Losses:", &RikishiViewer::m_tbawLabel, &RikishiViewer::m_tbalLabel, &RikishiViewer::m_tbapLabel, {"tbaw", "tbal", "tbap"}, "twoBashoAgoDash", "twoBashoAgoPercentSign"},
        {"kirimakiCaption", "Kirimaki Wins-Losses:", &RikishiViewer::m_gmwLabel, &RikishiViewer::m_gmlLabel, &RikishiViewer::m_gmpLabel, {"gmw", "gml", "gmp"}, "kirimakiDash", "kirimakiPercentSign"},
        {"realLifeCaption", "Real Life Wins-Losses:", &RikishiViewer::m_rlwLabel, &RikishiViewer::m_rllLabel, &RikishiViewer::m_rlpLabel, {"rlw", "rll", "rlp"}, "realLifeDash", "realLifePercentSign"},
    };
    int row = 0;
    for (const RecordRow& r : rows) {
        this->*r.wins = valueLabel(this, r.names[0], "###");
        this->*r.losses = valueLabel(this, r.names[1], "###");
        this->*r.percent = valueLabel(this, r.names[2], "###");
        (this->*r.wins)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (this->*r.percent)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        records->addWidget(caption(r.captionName, r.caption), row, 0);
        records->addWidget(this->*r.wins, row, 1);
        records->addWidget(caption(r.dashName, "-"), row, 2);
        records->addWidget(this->*r.losses, row, 3);
        records->addWidget(this->*r.percent, row, 4);
        records->addWidget(caption(r.percentSignName, "%"), row, 5);
        ++row;
    }
    records->setColumnStretch(6, 1);
    return records;
}

QVBoxLayout* RikishiViewer::buildNumberBar()
{
    m_numberLabel = makeLabel(this, "numberLabel", QStringLiteral("1"));
    m_numberLabel->setAlignment(Qt::AlignCenter);
    m_numberBar = new ScrollEventBar(this);
    m_numberBar->setObjectName(QStringLiteral("numberBar"));
    m_numberBar->setRange(kFirstViewNumber, kLastViewNumber);
    m_numberBar->setSingleStep(1);
    m_numberBar->setPageStep(5);
    m_numberBar->setValue(kFirstViewNumber);
    m_numberBar->setMinimumHeight(220);
    m_historyButton = makeButton(this, "historyButton", QStringLiteral("&History"));
    m_historyButton->setAccessibleDescription(QStringLiteral("The career history of the wrestler shown"));
    m_closeButton = makeButton(this, "closeButton", QStringLiteral("Close"));
    giveKey(m_closeButton, QKeySequence(Qt::ALT | Qt::Key_C), QStringLiteral("Close the viewer"));
    nameControl(m_numberBar, QStringLiteral("Rikishi number"), QStringLiteral("Which of the 40 wrestlers is shown, 1 to 40"));
    tieLabel(m_numberLabel, m_numberBar);
    auto* side = new QVBoxLayout;
    side->addWidget(m_numberLabel);
    side->addWidget(m_numberBar, 1, Qt::AlignHCenter);
    return side;
}

void RikishiViewer::onShown()
{
    showViewedRikishi();
    m_numberBar->setFocus(Qt::OtherFocusReason); // the one control that moves through the roster
}

void RikishiViewer::showViewedRikishi()
{
    if (!loadRosterOrReport(this, *m_game))
        return;
    m_game->viewNumber = clampViewNumber(m_game->viewNumber);
    // Moving the bar runs this once more from its change event; that inner
    // run finds the bar in place and fills the same labels.
    m_numberBar->setValue(m_game->viewNumber);
    m_numberLabel->setText(QString::number(m_game->viewNumber));
    const Rikishi& r = m_game->roster[static_cast<std::size_t>(m_game->viewNumber - 1)];
    for (const LabelText& t : rikishiSheet(r))
        if (QLabel* label = findChild<QLabel*>(QString::fromLatin1(t.label)))
            label->setText(toQt(t.text));
}

void RikishiViewer::scrollNumber(int position)
{
    m_game->viewNumber = clampViewNumber(position);
    m_numberLabel->setText(QString::number(m_game->viewNumber));
}

void RikishiViewer::closeViewer()
{
    if (!isOffered(m_closeButton))
        return;
    close();
}

void RikishiViewer::showRikishi(int number)
{
    m_game->viewNumber = clampViewNumber(number);
    // An open viewer keeps showing what it showed: it is only brought to
    // the front, and picks up the new number at its next showing.
    if (isVisible() && isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    bringUp(this);
}
