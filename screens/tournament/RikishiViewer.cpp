// The Rikishi viewer: copies the record's captions onto its labels.
#include "screens/tournament/RikishiViewer.h"

#include "screens/career/ScrollEventBar.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"
#include "rules/core/Game.h"
#include "rules/tournament/RikishiSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
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

    auto title = [this](const char* name, const char* caption) {
        return makeLabel(this, name, QString::fromLatin1(caption));
    };

    Shikona = valueLabel(this, "Shikona", "");
    RealName = valueLabel(this, "RealName", "");
    height = valueLabel(this, "height", "###");
    weight = valueLabel(this, "weight", "###");
    age = valueLabel(this, "age", "##");
    auto* names = new QGridLayout;
    addPair(names, 0, 0, title("shikonaCaption", "Shikona:"), Shikona);
    addPair(names, 1, 0, title("realNameCaption", "Real name:"), RealName);
    names->setColumnMinimumWidth(1, 160);
    names->setColumnStretch(2, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(title("heightCaption", "Height:"));
    body->addWidget(height);
    body->addSpacing(12);
    body->addWidget(title("weightCaption", "Weight:"));
    body->addWidget(weight);
    body->addSpacing(12);
    body->addWidget(title("ageCaption", "Age:"));
    body->addWidget(age);
    body->addStretch();

    strength = valueLabel(this, "strength", "##");
    jump = valueLabel(this, "jump", "##");
    agility = valueLabel(this, "agility", "##");
    receive = valueLabel(this, "receive", "##");
    tachiai = valueLabel(this, "tachiai", "##");
    hatakikomi = valueLabel(this, "hatakikomi", "##");
    oshi = valueLabel(this, "oshi", "##");
    defense = valueLabel(this, "defense", "##");
    yotsu = valueLabel(this, "yotsu", "##");
    stamina = valueLabel(this, "stamina", "##");
    tenage = valueLabel(this, "tenage", "##");
    intangibles = valueLabel(this, "intangibles", "##");
    tsuppari = valueLabel(this, "tsuppari", "##");
    potential = valueLabel(this, "potential", "##");
    skill = valueLabel(this, "skill", "##");
    power = valueLabel(this, "power", "##");
    yusho = valueLabel(this, "yusho", "##");
    junyusho = valueLabel(this, "junyusho", "##");
    auto* abilities = new QGridLayout;
    abilities->setHorizontalSpacing(8);
    addPair(abilities, 0, 0, title("strengthCaption", "Strength:"), strength);
    addPair(abilities, 0, 2, title("jumpCaption", "Jump:"), jump);
    addPair(abilities, 1, 0, title("agilityCaption", "Agility:"), agility);
    addPair(abilities, 1, 2, title("receiveCaption", "Receive:"), receive);
    addPair(abilities, 2, 0, title("tachiaiCaption", "Tachiai:"), tachiai);
    addPair(abilities, 2, 2, title("hatakikomiCaption", "Hatakikomi:"), hatakikomi);
    addPair(abilities, 3, 0, title("oshiCaption", "Oshi:"), oshi);
    addPair(abilities, 3, 2, title("defenseCaption", "Defense:"), defense);
    addPair(abilities, 4, 0, title("yotsuCaption", "Yotsu:"), yotsu);
    addPair(abilities, 4, 2, title("staminaCaption", "Stamina:"), stamina);
    addPair(abilities, 5, 0, title("tenageCaption", "Tenage:"), tenage);
    addPair(abilities, 5, 2, title("intangiblesCaption", "Intangibles:"), intangibles);
    addPair(abilities, 6, 0, title("tsuppariCaption", "Tsuppari:"), tsuppari);
    addPair(abilities, 6, 2, title("potentialCaption", "Potential:"), potential);
    abilities->setColumnMinimumWidth(4, 24);
    addPair(abilities, 0, 5, title("skillCaption", "Skill Rating:"), skill);
    addPair(abilities, 1, 5, title("powerCaption", "Power Rating:"), power);
    addPair(abilities, 3, 5, title("yushoCaption", "Yusho:"), yusho);
    addPair(abilities, 4, 5, title("junyushoCaption", "Jun-Yusho:"), junyusho);

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
        {"currentBashoCaption", "Current Basho Wins-Losses:", &RikishiViewer::cbw, &RikishiViewer::cbl, &RikishiViewer::cbp,
         {"cbw", "cbl", "cbp"}, "currentBashoDash", "currentBashoPercentSign"},
        {"lastBashoCaption", "Last Basho Wins-Losses:", &RikishiViewer::lbw, &RikishiViewer::lbl, &RikishiViewer::lbp,
         {"lbw", "lbl", "lbp"}, "lastBashoDash", "lastBashoPercentSign"},
        {"twoBashoAgoCaption", "Two Basho Ago Wins-Losses:", &RikishiViewer::tbaw, &RikishiViewer::tbal, &RikishiViewer::tbap,
         {"tbaw", "tbal", "tbap"}, "twoBashoAgoDash", "twoBashoAgoPercentSign"},
        {"kirimakiCaption", "Kirimaki Wins-Losses:", &RikishiViewer::gmw, &RikishiViewer::gml, &RikishiViewer::gmp,
         {"gmw", "gml", "gmp"}, "kirimakiDash", "kirimakiPercentSign"},
        {"realLifeCaption", "Real Life Wins-Losses:", &RikishiViewer::rlw, &RikishiViewer::rll, &RikishiViewer::rlp,
         {"rlw", "rll", "rlp"}, "realLifeDash", "realLifePercentSign"},
    };
    int row = 0;
    for (const RecordRow& r : rows) {
        this->*r.wins = valueLabel(this, r.names[0], "###");
        this->*r.losses = valueLabel(this, r.names[1], "###");
        this->*r.percent = valueLabel(this, r.names[2], "###");
        (this->*r.wins)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (this->*r.percent)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        records->addWidget(title(r.captionName, r.caption), row, 0);
        records->addWidget(this->*r.wins, row, 1);
        records->addWidget(title(r.dashName, "-"), row, 2);
        records->addWidget(this->*r.losses, row, 3);
        records->addWidget(this->*r.percent, row, 4);
        records->addWidget(title(r.percentSignName, "%"), row, 5);
        ++row;
    }
    records->setColumnStretch(6, 1);

    auto* sheet = new QVBoxLayout;
    sheet->addLayout(names);
    sheet->addLayout(body);
    sheet->addSpacing(8);
    sheet->addLayout(abilities);
    sheet->addSpacing(8);
    sheet->addLayout(records);

    m_numberLabel = makeLabel(this, "numberLabel", QStringLiteral("1"));
    m_numberLabel->setAlignment(Qt::AlignCenter);
    m_numberBar = new ScrollEventBar(this);
    m_numberBar->setObjectName(QStringLiteral("numberBar"));
    m_numberBar->setRange(kFirstViewNumber, kLastViewNumber);
    m_numberBar->setSingleStep(1);
    m_numberBar->setPageStep(5);
    m_numberBar->setValue(kFirstViewNumber);
    m_numberBar->setMinimumHeight(220);
    m_closeButton = makeButton(this, "closeButton", QStringLiteral("Close"));
    auto* side = new QVBoxLayout;
    side->addWidget(m_numberLabel);
    side->addWidget(m_numberBar, 1, Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addLayout(sheet, 1);
    top->addSpacing(12);
    top->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();

    connect(m_numberBar, &ScrollEventBar::scrolled, this, &RikishiViewer::scrollNumber);
    connect(m_numberBar, &QAbstractSlider::valueChanged, this, &RikishiViewer::showViewedRikishi);
    connect(m_closeButton, &QPushButton::clicked, this, &RikishiViewer::closeViewer);
}

void RikishiViewer::onShown()
{
    showViewedRikishi();
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
