// The creation screen: copies the pools' values onto its controls.
#include "screens/career/CreationScreen.h"

#include "screens/career/NameValidator.h"
#include "rules/career/NewCareer.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "rules/core/Game.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

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
    {&Form::m_strengthBar, &Form::m_strengthLabel, &Form::m_strengthCaptionLabel, "strengthScroll", "strengthLabel", "strengthCaptionLabel",
     "Strength", &Form::scrollStrength},
    {&Form::m_agilityBar, &Form::m_agilityLabel, &Form::m_agilityCaptionLabel, "agilityScroll", "agilityLabel", "agilityCaptionLabel",
     " Agility ", &Form::scrollAgility},
    {&Form::m_tachiaiBar, &Form::m_tachiaiLabel, &Form::m_tachiaiCaptionLabel, "TachiaiScroll", "TachiaiLabel", "tachiaiCaptionLabel",
     " Tachiai", &Form::scrollTachiai},
    {&Form::m_jumpBar, &Form::m_jumpLabel, &Form::m_jumpCaptionLabel, "JumpScroll", "JumpLabel", "jumpCaptionLabel", "  Jump",
     &Form::scrollJump},
    {&Form::m_receiveBar, &Form::m_receiveLabel, &Form::m_receiveCaptionLabel, "ReceiveScroll", "ReceiveLabel", "receiveCaptionLabel",
     "Receive", &Form::scrollReceive},
    {&Form::m_defenseBar, &Form::m_defenseLabel, &Form::m_defenseCaptionLabel, "DefenseScroll", "DefenseLabel", "defenseCaptionLabel",
     "Defense", &Form::scrollDefense},
    {&Form::m_oshiBar, &Form::m_oshiLabel, &Form::m_oshiCaptionLabel, "OshiScroll", "OshiLabel", "oshiCaptionLabel", "  Oshi  ",
     &Form::scrollOshi},
    {&Form::m_yotsuBar, &Form::m_yotsuLabel, &Form::m_yotsuCaptionLabel, "YotsuScroll", "YotsuLabel", "yotsuCaptionLabel", " Yotsu ",
     &Form::scrollYotsu},
    {&Form::m_tsuppariBar, &Form::m_tsuppariLabel, &Form::m_tsuppariCaptionLabel, "TsuppariScroll", "TsuppariLabel", "tsuppariCaptionLabel",
     "Tsuppari", &Form::scrollTsuppari},
    {&Form::m_tenageBar, &Form::m_tenageLabel, &Form::m_tenageCaptionLabel, "TenageScroll", "TenageLabel", "tenageCaptionLabel",
     " Tenage", &Form::scrollTenage},
    {&Form::m_henkaBar, &Form::m_henkaLabel, &Form::m_henkaCaptionLabel, "HenkaScroll", "HenkaLabel", "henkaCaptionLabel", "Henka",
     &Form::scrollHenka},
    {&Form::m_staminaBar, &Form::m_staminaLabel, &Form::m_staminaCaptionLabel, "StaminaScroll", "StaminaLabel", "staminaCaptionLabel",
     "Stamina", &Form::scrollStamina},
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
    // Up and Page Up raise the value, as a player expects of a value; the
    // thumb still moves down as it rises, and the arrows keep their places.
    bar->setInvertedControls(false);
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
    // Room for the longest count a pool can show (an overdrawn pool reads
    // negative), so the screen keeps its width as the count loses a digit.
    points->setMinimumWidth(points->fontMetrics().horizontalAdvance(QStringLiteral("-000")));
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(caption);
    row->addWidget(points);
    row->addStretch();
    return row;
}

} // namespace

CreationScreen::CreationScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent), m_pools(game.bodyScroll)
{
    setObjectName(QStringLiteral("creationScreen"));
    setWindowTitle(QStringLiteral("Create Rikishi"));

    buildControls();
    layOut();
    setTabOrderAndFocus();
    nameControls();
    // The ranges are set: now the events may flow.
    connect(m_heightBar, &ScrollEventBar::scrolled, this, &CreationScreen::scrollHeight);
    connect(m_weightBar, &ScrollEventBar::scrolled, this, &CreationScreen::scrollWeight);
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        connect(m_abilityBars[i], &ScrollEventBar::scrolled, this, kAbilities[i].handler);
    connect(m_saveButton, &QPushButton::clicked, this, &CreationScreen::saveRikishi);
    connect(m_cancelButton, &QPushButton::clicked, this, &CreationScreen::cancelCreation);
    connect(m_tryBuildButton, &QPushButton::clicked, this, &CreationScreen::tryBuild);

    resetPools();
}

void CreationScreen::buildControls()
{
    const CreationValues opening;
    m_shikonaCaptionLabel = makeLabel(this, "shikonaCaptionLabel", QStringLiteral("Shikona"));
    m_shikonaEdit = makeNameEdit(this, "Shikona", static_cast<int>(kShikonaMax), opening.shikona);
    m_realNameCaptionLabel = makeLabel(this, "realNameCaptionLabel", QStringLiteral("Real Name"));
    m_realNameEdit = makeNameEdit(this, "RealName", static_cast<int>(kRealNameMax), opening.realName);

    m_heightCaptionLabel = makeCentred(this, "heightCaptionLabel", QStringLiteral("Height"));
    m_heightBar = makeBar(this, "heightBar", kMinHeight, kMaxHeight, opening.height, 10, kBodyBarHeight);
    m_heightValueLabel = makeCentred(this, "heightValueLabel", QStringLiteral("180"));
    m_weightCaptionLabel = makeCentred(this, "weightCaptionLabel", QStringLiteral("Weight"));
    m_weightBar = makeBar(this, "weightBar", kMinWeight, kMaxWeight, opening.weight, 10, kBodyBarHeight);
    m_weightValueLabel = makeCentred(this, "weightValueLabel", QStringLiteral("130"));
    m_bodyPointsCaptionLabel = makeLabel(this, "bodyPointsCaptionLabel", QStringLiteral("Points remaining: "));
    m_bodyPointsLeftLabel = makeLabel(this, "HWRemainingPointsLabel", QStringLiteral("0"));

    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        const AbilityControls& a = kAbilities[i];
        this->*a.title = makeCentred(this, a.titleName, QString::fromLatin1(a.caption));
        this->*a.bar = makeBar(this, a.barName, kMinAbility, kMaxAbility, opening.abilities[i], 1, kAbilityBarHeight);
        this->*a.value = makeCentred(this, a.valueName, QStringLiteral("1"));
        m_abilityBars[i] = this->*a.bar;
        m_abilityLabels[i] = this->*a.value;
    }
    m_abilityPointsCaptionLabel = makeLabel(this, "abilityPointsCaptionLabel", QStringLiteral("Points remaining: "));
    m_abilityPointsLeftLabel = makeLabel(this, "RemainingStatPointsLabel", QStringLiteral("25"));

    m_saveButton = makeButton(this, "SaveRikishi", QStringLiteral("&Save"));
    m_cancelButton = makeButton(this, "Cancel", QStringLiteral("&Cancel"));
    m_tryBuildButton = makeButton(this, "tryBuildButton", QStringLiteral("&Try This Build..."));
}

void CreationScreen::layOut()
{
    // Layout: names on top, the body pool on the left, the ability pool on
    // the right, the buttons at the foot.
    auto* names = new QGridLayout;
    names->addWidget(m_shikonaCaptionLabel, 0, 0);
    names->addWidget(m_shikonaEdit, 0, 1);
    names->addWidget(m_realNameCaptionLabel, 1, 0);
    names->addWidget(m_realNameEdit, 1, 1);
    names->setColumnMinimumWidth(1, 200);
    auto* namesRow = new QHBoxLayout;
    namesRow->addLayout(names);
    namesRow->addStretch();

    auto* bodyBars = new QHBoxLayout;
    bodyBars->addLayout(barColumn(m_heightCaptionLabel, m_heightBar, m_heightValueLabel));
    bodyBars->addSpacing(12);
    bodyBars->addLayout(barColumn(m_weightCaptionLabel, m_weightBar, m_weightValueLabel));
    auto* body = new QVBoxLayout;
    body->addLayout(bodyBars);
    body->addLayout(poolRow(m_bodyPointsCaptionLabel, m_bodyPointsLeftLabel));
    body->addStretch();

    // The twelve bars stand in one row, or in two where one row would be
    // wider than the screen (a large scale or font on a small screen).
    const int perRow = abilitiesFitOneRow() ? static_cast<int>(kAbilityCount) : static_cast<int>(kAbilityCount) / 2;
    auto* abilityBars = new QGridLayout;
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        abilityBars->addLayout(barColumn(this->*kAbilities[i].title, m_abilityBars[i], m_abilityLabels[i]),
                               static_cast<int>(i) / perRow, static_cast<int>(i) % perRow);
    auto* abilities = new QVBoxLayout;
    abilities->addLayout(abilityBars);
    abilities->addLayout(poolRow(m_abilityPointsCaptionLabel, m_abilityPointsLeftLabel));
    abilities->addStretch();

    auto* pools = new QHBoxLayout;
    pools->addLayout(body);
    pools->addSpacing(24);
    pools->addLayout(abilities);

    // The lab's button stands apart, on the left, so Save and Cancel keep
    // their places.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_tryBuildButton);
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(namesRow);
    layout->addSpacing(8);
    layout->addLayout(pools);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CreationScreen::abilitiesFitOneRow() const
{
    const QScreen* s = screen();
    if (!s)
        return true;
    // The screen's width with the bars in one row: the body's two columns,
    // then each ability as wide as its caption, with the layouts' spacing.
    int width = 2 * fontMetrics().horizontalAdvance(QStringLiteral("Weight")) + 120;
    for (const AbilityControls& a : kAbilities)
        width += std::max(fontMetrics().horizontalAdvance(QString::fromLatin1(a.caption)), m_abilityBars[0]->sizeHint().width()) + 8;
    return width <= s->availableGeometry().width();
}

void CreationScreen::setTabOrderAndFocus()
{
    // Tab order: the names, height, weight, the twelve abilities, Save, Cancel.
    QWidget* order[] = {m_shikonaEdit, m_realNameEdit, m_heightBar, m_weightBar};
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
    setTabOrder(previous, m_saveButton);
    setTabOrder(m_saveButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_tryBuildButton);
    m_shikonaEdit->setFocus();
}

void CreationScreen::nameControls()
{
    tieLabel(m_shikonaCaptionLabel, m_shikonaEdit);
    tieLabel(m_realNameCaptionLabel, m_realNameEdit);
    tieLabel(m_heightCaptionLabel, m_heightBar);
    tieLabel(m_weightCaptionLabel, m_weightBar);
    m_heightBar->setAccessibleDescription(QStringLiteral("Height in centimetres, paid from the body points"));
    m_weightBar->setAccessibleDescription(QStringLiteral("Weight in kilograms, paid from the body points"));
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        tieLabel(this->*kAbilities[i].title, m_abilityBars[i]);
        m_abilityBars[i]->setAccessibleDescription(QStringLiteral("Ability from %1 to %2, paid from the ability points").arg(kMinAbility).arg(kMaxAbility));
    }
}

void CreationScreen::resetPools()
{
    m_pools.reset();
    showValues();
}

void CreationScreen::showValues()
{
    m_heightBar->answer(m_pools.chosenHeight());
    m_weightBar->answer(m_pools.chosenWeight());
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        m_abilityBars[i]->answer(m_pools.ability(i));

    const CreationTexts t = m_pools.texts();
    m_heightValueLabel->setText(QString::fromStdString(t.height));
    m_weightValueLabel->setText(QString::fromStdString(t.weight));
    m_bodyPointsLeftLabel->setText(QString::fromStdString(t.hwPoints));
    m_abilityPointsLeftLabel->setText(QString::fromStdString(t.statPoints));
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        m_abilityLabels[i]->setText(QString::fromStdString(t.abilities[i]));
}

void CreationScreen::scrollHeight(int proposed)
{
    m_pools.scrollHeight(proposed);
    // The height may have lowered the weight to make room: both bars follow.
    showValues();
}

void CreationScreen::scrollWeight(int proposed)
{
    m_pools.scrollWeight(proposed);
    showValues();
}

void CreationScreen::abilityScroll(std::size_t index, int proposed)
{
    m_pools.scrollAbility(index, proposed);
    showValues();
}

void CreationScreen::scrollStrength(int p) { abilityScroll(0, p); }
void CreationScreen::scrollAgility(int p) { abilityScroll(1, p); }
void CreationScreen::scrollTachiai(int p) { abilityScroll(2, p); }
void CreationScreen::scrollJump(int p) { abilityScroll(3, p); }
void CreationScreen::scrollReceive(int p) { abilityScroll(4, p); }
void CreationScreen::scrollDefense(int p) { abilityScroll(5, p); }
void CreationScreen::scrollOshi(int p) { abilityScroll(6, p); }
void CreationScreen::scrollYotsu(int p) { abilityScroll(7, p); }
void CreationScreen::scrollTsuppari(int p) { abilityScroll(8, p); }
void CreationScreen::scrollTenage(int p) { abilityScroll(9, p); }
void CreationScreen::scrollHenka(int p) { abilityScroll(10, p); }
void CreationScreen::scrollStamina(int p) { abilityScroll(11, p); }

void CreationScreen::saveRikishi()
{
    if (!isOffered(m_saveButton))
        return;
    // A failed save is reported and the screen stays open, so the player can
    // try again without designing his wrestler anew; until then the game goes
    // on with the career the file still holds.
    const CreationValues values = m_pools.values(fromQt(m_shikonaEdit->text()), fromQt(m_realNameEdit->text()));
    if (!reportIfSaveFailed(this, startNewCareer(*m_game, values), QStringLiteral("Press Save to try again.")))
        return;
    accept();
}

void CreationScreen::cancelCreation()
{
    if (!isOffered(m_cancelButton))
        return;
    reject();
}

void CreationScreen::tryBuild()
{
    if (!isOffered(m_tryBuildButton))
        return;
    emit buildLabWanted(m_pools.values(fromQt(m_shikonaEdit->text()), fromQt(m_realNameEdit->text())));
}

bool CreationScreen::useBuild(const CreationValues& values)
{
    const bool taken = m_pools.setUp(values);
    showValues();
    return taken;
}
