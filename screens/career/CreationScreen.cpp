// The creation screen: copies the pools' values onto its controls.
#include "screens/career/CreationScreen.h"

#include "screens/career/NameValidator.h"
#include "rules/career/NewCareer.h"
#include "screens/career/ScrollEventBar.h"
#include "rules/core/Game.h"
#include "game/GameState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Form = CreationScreen;

struct AbilityControls {
    ScrollEventBar* Form::*bar;
    QLabel* Form::*value;
    QLabel* Form::*title;
    const char* barName;
    const char* valueName;
    const char* titleName;
    const char* caption;
    void (Form::*handler)(int);
};

const AbilityControls kAbilities[kAbilityCount] = {
    {&Form::strengthScroll, &Form::strengthLabel, &Form::Label7, "strengthScroll", "strengthLabel", "Label7",
     "Strength", &Form::strengthScrollScroll},
    {&Form::agilityScroll, &Form::agilityLabel, &Form::Label8, "agilityScroll", "agilityLabel", "Label8",
     " Agility ", &Form::agilityScrollScroll},
    {&Form::TachiaiScroll, &Form::TachiaiLabel, &Form::Label9, "TachiaiScroll", "TachiaiLabel", "Label9",
     " Tachiai", &Form::TachiaiScrollScroll},
    {&Form::JumpScroll, &Form::JumpLabel, &Form::Label10, "JumpScroll", "JumpLabel", "Label10", "  Jump",
     &Form::JumpScrollScroll},
    {&Form::ReceiveScroll, &Form::ReceiveLabel, &Form::Label11, "ReceiveScroll", "ReceiveLabel", "Label11",
     "Receive", &Form::ReceiveScrollScroll},
    {&Form::DefenseScroll, &Form::DefenseLabel, &Form::Label12, "DefenseScroll", "DefenseLabel", "Label12",
     "Defense", &Form::DefenseScrollScroll},
    {&Form::OshiScroll, &Form::OshiLabel, &Form::Label13, "OshiScroll", "OshiLabel", "Label13", "  Oshi  ",
     &Form::OshiScrollScroll},
    {&Form::YotsuScroll, &Form::YotsuLabel, &Form::Label14, "YotsuScroll", "YotsuLabel", "Label14", " Yotsu ",
     &Form::YotsuScrollScroll},
    {&Form::TsuppariScroll, &Form::TsuppariLabel, &Form::Label15, "TsuppariScroll", "TsuppariLabel", "Label15",
     "Tsuppari", &Form::TsuppariScrollScroll},
    {&Form::TenageScroll, &Form::TenageLabel, &Form::Label16, "TenageScroll", "TenageLabel", "Label16",
     " Tenage", &Form::TenageScrollScroll},
    {&Form::HenkaScroll, &Form::HenkaLabel, &Form::Label17, "HenkaScroll", "HenkaLabel", "Label17", "Henka",
     &Form::HenkaScrollScroll},
    {&Form::StaminaScroll, &Form::StaminaLabel, &Form::Label18, "StaminaScroll", "StaminaLabel", "Label18",
     "Stamina", &Form::StaminaScrollScroll},
};

constexpr int kBodyBarHeight = 160;
constexpr int kAbilityBarHeight = 110;

ScrollEventBar* makeBar(QWidget* parent, const char* name, int min, int max, int start, int pageStep, int length)
{
    auto* bar = new ScrollEventBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setValue(start);
    bar->setFixedHeight(length);
    return bar;
}

QLabel* makeCentred(QWidget* parent, const char* name, const QString& caption)
{
    QLabel* l = makeLabel(parent, name, caption);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLineEdit* makeNameEdit(QWidget* parent, const char* name, int maxLength, const std::string& sample)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    edit->setValidator(new NameValidator(edit));
    edit->setText(toQt(sample));
    return edit;
}

// A titled column: caption, bar, value.
QVBoxLayout* barColumn(QLabel* title, ScrollEventBar* bar, QLabel* value)
{
    auto* column = new QVBoxLayout;
    column->addWidget(title, 0, Qt::AlignHCenter);
    column->addWidget(bar, 0, Qt::AlignHCenter);
    column->addWidget(value, 0, Qt::AlignHCenter);
    return column;
}

QHBoxLayout* poolRow(QLabel* caption, QLabel* points)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(caption);
    row->addWidget(points);
    row->addStretch();
    return row;
}

} // namespace

CreationScreen::CreationScreen(QWidget* parent) : ScreenDialog(parent), m_pools(bodyScrollMemory())
{
    setObjectName(QStringLiteral("CreateRikishiForm2"));
    setWindowTitle(QStringLiteral("Create Rikishi"));
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);

    const CreationValues opening;
    Label4 = makeLabel(this, "Label4", QStringLiteral("Shikona"));
    Shikona = makeNameEdit(this, "Shikona", static_cast<int>(kShikonaMax), opening.shikona);
    Label5 = makeLabel(this, "Label5", QStringLiteral("Real Name"));
    RealName = makeNameEdit(this, "RealName", static_cast<int>(kRealNameMax), opening.realName);

    Label1 = makeCentred(this, "Label1", QStringLiteral("Height"));
    HeightScrollBar1 = makeBar(this, "HeightScrollBar1", kMinHeight, kMaxHeight, opening.height, 10, kBodyBarHeight);
    intHeightLabel3 = makeCentred(this, "intHeightLabel3", QStringLiteral("180"));
    Label2 = makeCentred(this, "Label2", QStringLiteral("Weight"));
    WeightScrollBar2 = makeBar(this, "WeightScrollBar2", kMinWeight, kMaxWeight, opening.weight, 10, kBodyBarHeight);
    intWeightLabel4 = makeCentred(this, "intWeightLabel4", QStringLiteral("130"));
    Label3 = makeLabel(this, "Label3", QStringLiteral("Points remaining: "));
    HWRemainingPointsLabel = makeLabel(this, "HWRemainingPointsLabel", QStringLiteral("0"));

    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        const AbilityControls& a = kAbilities[i];
        this->*a.title = makeCentred(this, a.titleName, QString::fromLatin1(a.caption));
        this->*a.bar = makeBar(this, a.barName, kMinAbility, kMaxAbility, opening.abilities[i], 1, kAbilityBarHeight);
        this->*a.value = makeCentred(this, a.valueName, QStringLiteral("1"));
        m_abilityBars[i] = this->*a.bar;
        m_abilityLabels[i] = this->*a.value;
    }
    Label6 = makeLabel(this, "Label6", QStringLiteral("Points remaining: "));
    RemainingStatPointsLabel = makeLabel(this, "RemainingStatPointsLabel", QStringLiteral("25"));

    SaveRikishi = makeButton(this, "SaveRikishi", QStringLiteral("&Save"));
    Cancel = makeButton(this, "Cancel", QStringLiteral("&Cancel"));

    // Layout: names on top, the body pool on the left, the ability pool on
    // the right, the buttons at the foot.
    auto* names = new QGridLayout;
    names->addWidget(Label4, 0, 0);
    names->addWidget(Shikona, 0, 1);
    names->addWidget(Label5, 1, 0);
    names->addWidget(RealName, 1, 1);
    names->setColumnMinimumWidth(1, 200);
    auto* namesRow = new QHBoxLayout;
    namesRow->addLayout(names);
    namesRow->addStretch();

    auto* bodyBars = new QHBoxLayout;
    bodyBars->addLayout(barColumn(Label1, HeightScrollBar1, intHeightLabel3));
    bodyBars->addSpacing(12);
    bodyBars->addLayout(barColumn(Label2, WeightScrollBar2, intWeightLabel4));
    auto* body = new QVBoxLayout;
    body->addLayout(bodyBars);
    body->addLayout(poolRow(Label3, HWRemainingPointsLabel));
    body->addStretch();

    auto* abilityBars = new QHBoxLayout;
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        abilityBars->addLayout(barColumn(this->*kAbilities[i].title, m_abilityBars[i], m_abilityLabels[i]));
    auto* abilities = new QVBoxLayout;
    abilities->addLayout(abilityBars);
    abilities->addLayout(poolRow(Label6, RemainingStatPointsLabel));
    abilities->addStretch();

    auto* pools = new QHBoxLayout;
    pools->addLayout(body);
    pools->addSpacing(24);
    pools->addLayout(abilities);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveRikishi);
    buttons->addWidget(Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(namesRow);
    layout->addSpacing(8);
    layout->addLayout(pools);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: the names, height, weight, the twelve abilities, Save, Cancel.
    QWidget* order[] = {Shikona, RealName, HeightScrollBar1, WeightScrollBar2};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    for (ScrollEventBar* bar : m_abilityBars) {
        setTabOrder(previous, bar);
        previous = bar;
    }
    setTabOrder(previous, SaveRikishi);
    setTabOrder(SaveRikishi, Cancel);
    Shikona->setFocus();

    // The ranges are set: now the events may flow.
    connect(HeightScrollBar1, &ScrollEventBar::scrolled, this, &CreationScreen::HeightScrollBar1Scroll);
    connect(WeightScrollBar2, &ScrollEventBar::scrolled, this, &CreationScreen::WeightScrollBar2Scroll);
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        connect(m_abilityBars[i], &ScrollEventBar::scrolled, this, kAbilities[i].handler);
    connect(SaveRikishi, &QPushButton::clicked, this, &CreationScreen::SaveRikishiClick);
    connect(Cancel, &QPushButton::clicked, this, &CreationScreen::CancelClick);

    FormCreate();
}

void CreationScreen::FormCreate()
{
    m_pools.reset();
    showValues();
}

void CreationScreen::showValues()
{
    HeightScrollBar1->answer(m_pools.chosenHeight());
    WeightScrollBar2->answer(m_pools.chosenWeight());
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        m_abilityBars[i]->answer(m_pools.ability(i));

    const CreationTexts t = m_pools.texts();
    intHeightLabel3->setText(QString::fromStdString(t.height));
    intWeightLabel4->setText(QString::fromStdString(t.weight));
    HWRemainingPointsLabel->setText(QString::fromStdString(t.hwPoints));
    RemainingStatPointsLabel->setText(QString::fromStdString(t.statPoints));
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        m_abilityLabels[i]->setText(QString::fromStdString(t.abilities[i]));
}

void CreationScreen::HeightScrollBar1Scroll(int proposed)
{
    m_pools.scrollHeight(proposed);
    // The height may have lowered the weight to make room: both bars follow.
    showValues();
}

void CreationScreen::WeightScrollBar2Scroll(int proposed)
{
    m_pools.scrollWeight(proposed);
    showValues();
}

void CreationScreen::abilityScroll(std::size_t index, int proposed)
{
    m_pools.scrollAbility(index, proposed);
    showValues();
}

void CreationScreen::strengthScrollScroll(int p) { abilityScroll(0, p); }
void CreationScreen::agilityScrollScroll(int p) { abilityScroll(1, p); }
void CreationScreen::TachiaiScrollScroll(int p) { abilityScroll(2, p); }
void CreationScreen::JumpScrollScroll(int p) { abilityScroll(3, p); }
void CreationScreen::ReceiveScrollScroll(int p) { abilityScroll(4, p); }
void CreationScreen::DefenseScrollScroll(int p) { abilityScroll(5, p); }
void CreationScreen::OshiScrollScroll(int p) { abilityScroll(6, p); }
void CreationScreen::YotsuScrollScroll(int p) { abilityScroll(7, p); }
void CreationScreen::TsuppariScrollScroll(int p) { abilityScroll(8, p); }
void CreationScreen::TenageScrollScroll(int p) { abilityScroll(9, p); }
void CreationScreen::HenkaScrollScroll(int p) { abilityScroll(10, p); }
void CreationScreen::StaminaScrollScroll(int p) { abilityScroll(11, p); }

void CreationScreen::SaveRikishiClick()
{
    if (!isOffered(SaveRikishi))
        return;
    buildNewCareer(gameState(), m_pools.values(fromQt(Shikona->text()), fromQt(RealName->text())));
    // A failed save is reported and the screen stays open, so the player
    // can try again without designing his wrestler anew.
    if (!saveRosterOrReport(this))
        return;
    accept();
}

void CreationScreen::CancelClick()
{
    if (!isOffered(Cancel))
        return;
    reject();
}
