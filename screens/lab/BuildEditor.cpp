// The lab's build columns: a spin box's change is a scroll of the creation pools.
#include "screens/lab/BuildEditor.h"

#include "screens/Accessibility.h"
#include "screens/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

QSpinBox* makeBox(QWidget* parent, const QString& name, int min, int max, const QString& spoken)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    // A typed value counts once it is entered, as one scroll of the bar.
    box->setKeyboardTracking(false);
    box->setAlignment(Qt::AlignRight);
    nameControl(box, spoken);
    return box;
}

} // namespace

BuildEditor::BuildEditor(QWidget* parent, int number) : QObject(parent), m_number(number)
{
    const QString n = QString::number(number);
    auto* heading = new QCheckBox(QStringLiteral("Build &%1").arg(n), parent);
    heading->setObjectName(QStringLiteral("build%1Heading").arg(n));
    heading->setChecked(number == 1);
    heading->setEnabled(number != 1);
    // Not "Build 2": on Linux the chooser of the foot is read by its item,
    // and the reader would meet two of them.
    nameControl(heading, QStringLiteral("Study build %1").arg(n),
                number == 1 ? QStringLiteral("The build of the creation screen") : QStringLiteral("Tick to compare this build too"));
    m_heading = heading;
    m_heightBox = makeBox(parent, QStringLiteral("build%1Height").arg(n), kMinHeight, kMaxHeight, QStringLiteral("Height of build %1, cm").arg(n));
    m_weightBox = makeBox(parent, QStringLiteral("build%1Weight").arg(n), kMinWeight, kMaxWeight, QStringLiteral("Weight of build %1, kg").arg(n));
    m_bodyPointsLabel = makeLabel(parent, qPrintable(QStringLiteral("build%1BodyPoints").arg(n)));
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        m_abilityBoxes[i] = makeBox(parent, QStringLiteral("build%1Ability%2").arg(n).arg(i + 1), kMinAbility, kMaxAbility,
                                    QStringLiteral("%1 of build %2").arg(QString::fromLatin1(kAbilityNames[i]), n));
    m_abilityPointsLabel = makeLabel(parent, qPrintable(QStringLiteral("build%1AbilityPoints").arg(n)));
    for (QLabel* l : {m_bodyPointsLabel, m_abilityPointsLabel})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(m_heightBox, qOverload<int>(&QSpinBox::valueChanged), this, [this](int p) {
        m_pools.scrollHeight(p);
        showValues();
    });
    connect(m_weightBox, qOverload<int>(&QSpinBox::valueChanged), this, [this](int p) {
        m_pools.scrollWeight(p);
        showValues();
    });
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        connect(m_abilityBoxes[i], qOverload<int>(&QSpinBox::valueChanged), this, [this, i](int p) {
            m_pools.scrollAbility(i, p);
            showValues();
        });
    connect(heading, &QCheckBox::toggled, this, [this](bool on) {
        setEditable(m_editable);
        if (on && !m_everIncluded) {
            m_everIncluded = true;
            emit firstIncluded(this);
        }
        emit changed();
    });
    showValues();
    setEditable(true);
}

void BuildEditor::addTo(QGridLayout* grid, int column) const
{
    grid->addWidget(m_heading, 0, column, Qt::AlignRight);
    grid->addWidget(m_heightBox, 1, column);
    grid->addWidget(m_weightBox, 2, column);
    grid->addWidget(m_bodyPointsLabel, 3, column);
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        grid->addWidget(m_abilityBoxes[i], 4 + static_cast<int>(i), column);
    grid->addWidget(m_abilityPointsLabel, 4 + static_cast<int>(kAbilityCount), column);
}

bool BuildEditor::setValues(const CreationValues& values)
{
    m_pools.reset();
    const bool taken = m_pools.setUp(values);
    showValues();
    return taken;
}

bool BuildEditor::included() const
{
    return m_heading->isChecked();
}

void BuildEditor::setIncluded(bool included)
{
    m_heading->setChecked(included || m_number == 1);
}

void BuildEditor::setEditable(bool editable)
{
    m_editable = editable;
    const bool on = editable && included();
    m_heading->setEnabled(editable && m_number != 1);
    m_heightBox->setEnabled(on);
    m_weightBox->setEnabled(on);
    for (QSpinBox* box : m_abilityBoxes)
        box->setEnabled(on);
}

QWidget* BuildEditor::firstField() const
{
    return m_number == 1 ? static_cast<QWidget*>(m_heightBox) : m_heading;
}

QWidget* BuildEditor::lastField() const
{
    return m_abilityBoxes.back();
}

void BuildEditor::showValues()
{
    // The boxes take what the pools answered; a refused change springs back.
    const QSignalBlocker height(m_heightBox);
    const QSignalBlocker weight(m_weightBox);
    m_heightBox->setValue(m_pools.chosenHeight());
    m_weightBox->setValue(m_pools.chosenWeight());
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        const QSignalBlocker block(m_abilityBoxes[i]);
        m_abilityBoxes[i]->setValue(m_pools.ability(i));
    }
    m_bodyPointsLabel->setText(QString::number(m_pools.hwPoints()));
    m_abilityPointsLabel->setText(QString::number(m_pools.statPoints()));
    m_bodyPointsLabel->setAccessibleName(QStringLiteral("Body points left of build %1: %2").arg(m_number).arg(m_pools.hwPoints()));
    m_abilityPointsLabel->setAccessibleName(
        QStringLiteral("Ability points left of build %1: %2").arg(m_number).arg(m_pools.statPoints()));
    emit changed();
}
