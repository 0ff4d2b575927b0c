// The bout screen's controls and where they stand: the names, the labels in
// the bottom panel and their result messages in the same places, and the one
// area of the centre panel that every phase's buttons share.
#include "screens/bout/BoutScreen.h"
#include "screens/Controls.h"
#include "screens/WindowPlacement.h"
#include "screens/bout/GenkiMeter.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 480;
constexpr int kBarX = 170;
constexpr int kBarHeight = 16;
constexpr int kPanelWidth = kWidth - 32;
constexpr int kLineWidth = kPanelWidth - 32;
constexpr int kButtonY = 104;
constexpr int kButtonHeight = 30;
// The height of a line of text the places were drawn for (a 9-point font):
// a larger font moves and widens everything in proportion.
constexpr double kDesignLineHeight = 15.0;

QFrame* makePanel(QWidget* parent, const char* name, QFrame::Shadow shadow)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(2);
    return panel;
}

GenkiMeter* makeBar(QWidget* parent, const char* name, int y)
{
    auto* bar = new GenkiMeter(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(kBarX, y, kWidth - kBarX - 16, kBarHeight);
    return bar;
}

QLabel* makeLine(QWidget* parent, const char* name, int y, int height, const QString& caption = QString())
{
    QLabel* label = makeLabel(parent, name, caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(12, y, kLineWidth, height);
    return label;
}

// Grows the screen and every control on it by the same factor, so that a
// larger font keeps every caption whole.
void growWithFont(QWidget* screen)
{
    const double k = std::max(1.0, screen->fontMetrics().height() / kDesignLineHeight);
    if (k == 1.0)
        return;
    auto scaled = [k](int v) { return static_cast<int>(std::lround(v * k)); };
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const QRect g = w->geometry();
        w->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
    }
    screen->setFixedSize(scaled(kWidth), scaled(kHeight));
}

} // namespace

void BoutScreen::buildControls()
{
    setFixedSize(kWidth, kHeight);
    buildHeader();
    buildActionPanel();
    buildSummaryPanel();

    for (QPushButton* b : m_actionPanel->findChildren<QPushButton*>())
        b->hide();
    m_bonusButton->hide();
    m_endLabel->hide();
    growWithFont(this);
    scrollWhenLargerThanScreen(this, QStringLiteral("Scroll the bout"));
}

// The two wrestlers with their genki bars, and the time.
void BoutScreen::buildHeader()
{
    m_userShikonaLabel = makeLabel(this, "UserShikonaLabel");
    m_userShikonaLabel->setGeometry(16, 14, kBarX - 24, 20);
    m_userGenkiBar = makeBar(this, "UserGenkiBar", 16);
    m_compShikonaLabel = makeLabel(this, "CompShikonaLabel");
    m_compShikonaLabel->setGeometry(16, 42, kBarX - 24, 20);
    m_compGenkiBar = makeBar(this, "CompGenkiBar", 44);
    m_timeCaptionLabel = makeLabel(this, "timeCaptionLabel", QStringLiteral("Time:"));
    m_timeCaptionLabel->setGeometry(16, 70, 44, 20);
    m_timeElapsedLabel = makeLabel(this, "TimeElapsedLabel");
    m_timeElapsedLabel->setGeometry(64, 70, 80, 20);
}

void BoutScreen::buildActionPanel()
{
    // The centre panel: the end of the bout above, and one area below that
    // every phase's buttons share.
    m_actionPanel = makePanel(this, "actionPanel", QFrame::Raised);
    m_actionPanel->setGeometry(16, 98, kPanelWidth, 150);
    m_endLabel = makeLabel(m_actionPanel, "EndLabel");
    m_endLabel->setWordWrap(true);
    m_endLabel->setAlignment(Qt::AlignCenter);
    m_endLabel->setGeometry(16, 10, kPanelWidth - 32, 84);
    QFont endFont = m_endLabel->font();
    endFont.setBold(true);
    endFont.setPointSize(endFont.pointSize() + 2);
    m_endLabel->setFont(endFont);

    // One row of strategy buttons, evenly spaced across the panel.
    auto row = [this](auto& buttons, const char* const names[], const char* const captions[], int width, int gap) {
        const int n = static_cast<int>(buttons.size());
        const int left = (kPanelWidth - n * width - (n - 1) * gap) / 2;
        for (int i = 0; i < n; ++i) {
            QPushButton* b = makeButton(m_actionPanel, names[i], QString::fromLatin1(captions[i]));
            b->setGeometry(left + i * (width + gap), kButtonY, width, kButtonHeight);
            buttons[static_cast<std::size_t>(i)] = b;
        }
    };
    const char* const tachiaiNames[] = {"jumpButton", "receiveButton", "tachiaiTsuppariButton", "henkaButton"};
    const char* const tachiaiCaptions[] = {"&Jump", "&Receive", "&Tsuppari", "&Henka"};
    row(m_tachiaiButtons, tachiaiNames, tachiaiCaptions, 120, 16);
    const char* const exchangeNames[] = {"oshiButton", "yotsuButton", "tsuppariButton", "tenageButton", "hatakikomiButton", "defenseButton"};
    const char* const exchangeCaptions[] = {"&Oshi", "&Yotsu", "&Tsuppari", "Te&nage", "&Hatakikomi", "Defense"};
    row(m_exchangeButtons, exchangeNames, exchangeCaptions, 84, 8);
    m_jumpButton = m_tachiaiButtons[0];
    m_receiveButton = m_tachiaiButtons[1];
    m_tachiaiTsuppariButton = m_tachiaiButtons[2];
    m_henkaButton = m_tachiaiButtons[3];
    m_oshiButton = m_exchangeButtons[0];
    m_yotsuButton = m_exchangeButtons[1];
    m_tsuppariButton = m_exchangeButtons[2];
    m_tenageButton = m_exchangeButtons[3];
    m_hatakikomiButton = m_exchangeButtons[4];
    m_defenseButton = m_exchangeButtons[5];

    const QRect centre((kPanelWidth - 120) / 2, kButtonY, 120, kButtonHeight);
    m_monoiiCloseButton = makeButton(m_actionPanel, "MonoiiClose", QStringLiteral("Close"));
    m_monoiiStartButton = makeButton(m_actionPanel, "MonoiiStart", QStringLiteral("Mono-ii"));
    m_monoiiFightButton = makeButton(m_actionPanel, "MonoiiFight", QStringLiteral("Fight!"));
    m_winButton = makeButton(m_actionPanel, "WinButton", QStringLiteral("Win"));
    m_loseButton = makeButton(m_actionPanel, "LoseButton", QStringLiteral("Lose"));
    m_closeButton = makeButton(m_actionPanel, "CloseButton", QStringLiteral("Close"));
    for (QPushButton* b : {m_monoiiCloseButton, m_monoiiStartButton, m_monoiiFightButton, m_winButton, m_loseButton, m_closeButton})
        b->setGeometry(centre);
}

void BoutScreen::buildSummaryPanel()
{
    // The bottom panel: what each side did, the points, and who gained what;
    // the result messages take the same places once the bout is recorded.
    m_summaryPanel = makePanel(this, "summaryPanel", QFrame::Sunken);
    m_summaryPanel->setGeometry(16, 256, kPanelWidth, 208);
    m_strategyPanel = makePanel(m_summaryPanel, "strategyPanel", QFrame::Raised);
    m_strategyPanel->setGeometry(8, 8, kPanelWidth - 16, 76);
    m_userStrategyLabel = makeLine(m_strategyPanel, "UserStrategyLabel", 4, 34);
    m_compStrategyLabel = makeLine(m_strategyPanel, "CompStrategyLabel", 38, 34);
    m_pointsPanel = makePanel(m_summaryPanel, "pointsPanel", QFrame::Raised);
    m_pointsPanel->setGeometry(8, 88, kPanelWidth - 16, 52);
    m_userPointsLabel = makeLine(m_pointsPanel, "UserPoints", 4, 22);
    m_compPointsLabel = makeLine(m_pointsPanel, "CompPoints", 26, 22);
    m_outcomePanel = makePanel(m_summaryPanel, "outcomePanel", QFrame::Raised);
    m_outcomePanel->setGeometry(8, 144, kPanelWidth - 16, 56);
    m_outcomeLabel = makeLine(m_outcomePanel, "Outcome", 4, 48);

    auto result = [this](ResultLabel label, QWidget* panel, int y, int height) {
        QLabel* l = makeLine(panel, resultLabelName(label), y, height, QString::fromLatin1(resultLabelCaption(label)));
        l->hide();
        m_resultLabels[label] = l;
        return l;
    };
    m_kachiKoshiLabel = result(kKachiKoshiLabel, m_strategyPanel, 4, 34);
    m_lastDayLabel = result(kLastDayLabel, m_strategyPanel, 38, 34);
    m_makeKoshiLabel = result(kMakeKoshiLabel, m_strategyPanel, 4, 34);
    m_drainLabel = result(kDrainLabel, m_strategyPanel, 4, 34);
    m_potentialLabel = result(kPotentialLabel, m_pointsPanel, 4, 44);
    m_upsetPotentialLabel = result(kUpsetPotentialLabel, m_pointsPanel, 4, 44);
    m_yaochoLabel = result(kYaochoLabel, m_pointsPanel, 4, 44);
    m_sappedLabel = result(kSappedLabel, m_pointsPanel, 4, 44);
    m_bonusLabel = result(kBonusLabel, m_outcomePanel, 2, 22);
    m_upsetBonusLabel = result(kUpsetBonusLabel, m_outcomePanel, 2, 22);
    m_bonusButton = makeButton(m_outcomePanel, "BonusButton", QStringLiteral("Bonus"));
    m_bonusButton->setGeometry((kPanelWidth - 16 - 120) / 2, 25, 120, 26);
}

void BoutScreen::connectButtons()
{
    for (QPushButton* b : m_tachiaiButtons)
        connect(b, &QPushButton::clicked, this, [this, b] { chooseTachiai(b); });
    for (QPushButton* b : m_exchangeButtons)
        connect(b, &QPushButton::clicked, this, [this, b] { chooseExchange(b); });
    connect(m_monoiiCloseButton, &QPushButton::clicked, this, &BoutScreen::callMonoii);
    connect(m_monoiiStartButton, &QPushButton::clicked, this, &BoutScreen::judgesDecide);
    connect(m_monoiiFightButton, &QPushButton::clicked, this, &BoutScreen::fightToriNaoshi);
    connect(m_winButton, &QPushButton::clicked, this, &BoutScreen::recordWin);
    connect(m_loseButton, &QPushButton::clicked, this, &BoutScreen::recordLoss);
    connect(m_bonusButton, &QPushButton::clicked, this, &BoutScreen::openBonus);
    connect(m_closeButton, &QPushButton::clicked, this, &BoutScreen::closeBout);
}
