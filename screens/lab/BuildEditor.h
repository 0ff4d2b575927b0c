// One build of the build lab: its body and abilities in spin boxes, kept by
// creation pools of its own, so that only a build the creation screen would
// let the player make can be entered.
#pragma once

#include "rules/career/CreationPools.h"
#include "rules/core/Game.h"

#include <QObject>

#include <array>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QSpinBox;
class QWidget;

class BuildEditor : public QObject {
    Q_OBJECT
public:
    // Build `number` (from 1); the builds after the first can be left out
    // of the study by their heading's tick box.
    BuildEditor(QWidget* parent, int number);

    // Puts the controls in `column` of the lab's grid, whose rows are the
    // heading, height, weight, body points, the twelve abilities and the
    // ability points.
    void addTo(QGridLayout* grid, int column) const;

    // Sets the bars from the opening values to these, as a player would;
    // false (and the bars where the pools stopped) when they refuse a step.
    bool setValues(const CreationValues& values);
    CreationValues values() const { return m_pools.values(CreationValues().shikona, CreationValues().realName); }
    bool included() const;
    void setIncluded(bool included);
    // While a study runs nothing is edited; a build left out keeps its
    // values but cannot be edited until it is ticked.
    void setEditable(bool editable);
    int number() const { return m_number; }
    QWidget* firstField() const;
    QWidget* lastField() const;

    QAbstractButton* m_heading = nullptr; // a tick box, fixed on for build 1
    QSpinBox* m_heightBox = nullptr;
    QSpinBox* m_weightBox = nullptr;
    QLabel* m_bodyPointsLabel = nullptr;
    std::array<QSpinBox*, kAbilityCount> m_abilityBoxes{};
    QLabel* m_abilityPointsLabel = nullptr;

signals:
    void changed();
    // The heading's tick box was ticked by the player for the first time.
    void firstIncluded(BuildEditor* editor);

private:
    void showValues();

    int m_number;
    bool m_everIncluded = false;
    bool m_editable = true; // false while a study runs
    BodyScrollMemory m_memory; // the lab's own: the creation screen's stays untouched
    CreationPools m_pools{m_memory};
};
