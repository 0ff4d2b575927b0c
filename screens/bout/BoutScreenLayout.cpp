// The bout screen's controls and where they stand: the names, the labels in
// the bottom panel and their result messages in the same places, and the one
// area of the centre panel that every phase's buttons share.
#include "screens/bout/BoutScreen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 480;
constexpr int kBarX = 170;
constexpr int kBarHeight = 16;
constexpr int kPanelWidth = kWidth - 32;
constexpr int kLineWidth = kPanelWidth - 32;
constexpr int kButtonY = 104;
constexpr int kButtonHeight = 30;

QFrame* makePanel(QWidget* parent, const char* name, QFrame::Shadow shadow)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(2);
    return panel;
}

QFrame* makeBar(QWidget* parent, const char* name, int y)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    bar->setGeometry(kBarX, y, 0, kBarHeight);
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

} // namespace

void BoutScreen::buildControls()
{
    setFixedSize(kWidth, kHeight);
    UserShikonaLabel = makeLabel(this, "UserShikonaLabel");
    UserShikonaLabel->setGeometry(16, 14, kBarX - 24, 20);
    UserGenkiBar = makeBar(this, "UserGenkiBar", 16);
    CompShikonaLabel = makeLabel(this, "CompShikonaLabel");
    CompShikonaLabel->setGeometry(16, 42, kBarX - 24, 20);
    CompGenkiBar = makeBar(this, "CompGenkiBar", 44);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Time:"));
    Label1->setGeometry(16, 70, 44, 20);
    TimeElapsedLabel = makeLabel(this, "TimeElapsedLabel");
    TimeElapsedLabel->setGeometry(64, 70, 80, 20);

    // The centre panel: the end of the bout above, and one area below that
    // every phase's buttons share.
    Panel1 = makePanel(this, "Panel1", QFrame::Raised);
    Panel1->setGeometry(16, 98, kPanelWidth, 150);
    EndLabel = makeLabel(Panel1, "EndLabel");
    EndLabel->setWordWrap(true);
    EndLabel->setAlignment(Qt::AlignCenter);
    EndLabel->setGeometry(16, 10, kPanelWidth - 32, 84);
    QFont endFont = EndLabel->font();
    endFont.setBold(true);
    endFont.setPointSize(endFont.pointSize() + 2);
    EndLabel->setFont(endFont);

    // One row of strategy buttons, evenly spaced across the panel.
    auto row = [this](auto& buttons, const char* const names[], const char* const captions[], int width, int gap) {
        const int n = static_cast<int>(buttons.size());
        const int left = (kPanelWidth - n * width - (n - 1) * gap) / 2;
        for (int i = 0; i < n; ++i) {
            QPushButton* b = makeButton(Panel1, names[i], QString::fromLatin1(captions[i]));
            b->setGeometry(left + i * (width + gap), kButtonY, width, kButtonHeight);
            buttons[static_cast<std::size_t>(i)] = b;
        }
    };
    const char* const tachiaiNames[] = {"Button1", "Button2", "Button3", "Button4"};
    const char* const tachiaiCaptions[] = {"&Jump", "&Receive", "&Tsuppari", "&Henka"};
    row(m_tachiaiButtons, tachiaiNames, tachiaiCaptions, 120, 16);
    const char* const exchangeNames[] = {"Button5", "Button6", "Button7", "Button8", "Button9", "Button10"};
    const char* const exchangeCaptions[] = {"&Oshi", "&Yotsu", "&Tsuppari", "Te&nage", "&Hatakikomi", "Defense"};
    row(m_exchangeButtons, exchangeNames, exchangeCaptions, 84, 8);
    Button1 = m_tachiaiButtons[0];
    Button2 = m_tachiaiButtons[1];
    Button3 = m_tachiaiButtons[2];
    Button4 = m_tachiaiButtons[3];
    Button5 = m_exchangeButtons[0];
    Button6 = m_exchangeButtons[1];
    Button7 = m_exchangeButtons[2];
    Button8 = m_exchangeButtons[3];
    Button9 = m_exchangeButtons[4];
    Button10 = m_exchangeButtons[5];

    const QRect centre((kPanelWidth - 120) / 2, kButtonY, 120, kButtonHeight);
    MonoiiClose = makeButton(Panel1, "MonoiiClose", QStringLiteral("Close"));
    MonoiiStart = makeButton(Panel1, "MonoiiStart", QStringLiteral("Mono-ii"));
    MonoiiFight = makeButton(Panel1, "MonoiiFight", QStringLiteral("Fight!"));
    WinButton = makeButton(Panel1, "WinButton", QStringLiteral("Win"));
    LoseButton = makeButton(Panel1, "LoseButton", QStringLiteral("Lose"));
    CloseButton = makeButton(Panel1, "CloseButton", QStringLiteral("Close"));
    for (QPushButton* b : {MonoiiClose, MonoiiStart, MonoiiFight, WinButton, LoseButton, CloseButton})
        b->setGeometry(centre);

    // The bottom panel: what each side did, the points, and who gained what;
    // the result messages take the same places once the bout is recorded.
    Panel2 = makePanel(this, "Panel2", QFrame::Sunken);
    Panel2->setGeometry(16, 256, kPanelWidth, 208);
    Panel3 = makePanel(Panel2, "Panel3", QFrame::Raised);
    Panel3->setGeometry(8, 8, kPanelWidth - 16, 76);
    UserStrategyLabel = makeLine(Panel3, "UserStrategyLabel", 4, 34);
    CompStrategyLabel = makeLine(Panel3, "CompStrategyLabel", 38, 34);
    Panel4 = makePanel(Panel2, "Panel4", QFrame::Raised);
    Panel4->setGeometry(8, 88, kPanelWidth - 16, 52);
    UserPoints = makeLine(Panel4, "UserPoints", 4, 22);
    CompPoints = makeLine(Panel4, "CompPoints", 26, 22);
    Panel5 = makePanel(Panel2, "Panel5", QFrame::Raised);
    Panel5->setGeometry(8, 144, kPanelWidth - 16, 56);
    Outcome = makeLine(Panel5, "Outcome", 4, 48);

    auto result = [this](ResultLabel label, QWidget* panel, int y, int height) {
        QLabel* l = makeLine(panel, resultLabelName(label), y, height, QString::fromLatin1(resultLabelCaption(label)));
        l->hide();
        m_resultLabels[label] = l;
        return l;
    };
    KachiKoshiLabel = result(kKachiKoshiLabel, Panel3, 4, 34);
    LastDayLabel = result(kLastDayLabel, Panel3, 38, 34);
    MakeKoshiLabel = result(kMakeKoshiLabel, Panel3, 4, 34);
    DrainLabel = result(kDrainLabel, Panel3, 4, 34);
    PotentialLabel = result(kPotentialLabel, Panel4, 4, 44);
    UpsetPotentialLabel = result(kUpsetPotentialLabel, Panel4, 4, 44);
    YaochoLabel = result(kYaochoLabel, Panel4, 4, 44);
    SappedLabel = result(kSappedLabel, Panel4, 4, 44);
    BonusLabel = result(kBonusLabel, Panel5, 2, 22);
    UpsetBonusLabel = result(kUpsetBonusLabel, Panel5, 2, 22);
    BonusButton = makeButton(Panel5, "BonusButton", QStringLiteral("Bonus"));
    BonusButton->setGeometry((kPanelWidth - 16 - 120) / 2, 25, 120, 26);

    for (QPushButton* b : Panel1->findChildren<QPushButton*>())
        b->hide();
    BonusButton->hide();
    EndLabel->hide();
}

void BoutScreen::connectButtons()
{
    for (QPushButton* b : m_tachiaiButtons)
        connect(b, &QPushButton::clicked, this, [this, b] { TachiaiButtonClick(b); });
    for (QPushButton* b : m_exchangeButtons)
        connect(b, &QPushButton::clicked, this, [this, b] { FightButtonClick(b); });
    connect(MonoiiClose, &QPushButton::clicked, this, &BoutScreen::MonoiiCloseClick);
    connect(MonoiiStart, &QPushButton::clicked, this, &BoutScreen::MonoiiStartClick);
    connect(MonoiiFight, &QPushButton::clicked, this, &BoutScreen::MonoiiFightClick);
    connect(WinButton, &QPushButton::clicked, this, &BoutScreen::WinButtonClick);
    connect(LoseButton, &QPushButton::clicked, this, &BoutScreen::LoseButtonClick);
    connect(BonusButton, &QPushButton::clicked, this, &BoutScreen::BonusButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &BoutScreen::CloseButtonClick);
}
