// Names and captions of the bout screen's result labels.
#include "rules/bout/BoutView.h"

namespace {

struct LabelText {
    const char* name;
    const char* caption;
};

const std::array<LabelText, kResultLabelCount> kResultLabels{{
    {"KachiKoshiLabel", "Nice job--you got your kachi-koshi!"},
    {"LastDayLabel", "...just making your 8 on the last day of the basho!"},
    {"MakeKoshiLabel", "Sorry--you just went make-koshi!"},
    {"DrainLabel", "After losing to a less skilled rikishi, your skills have been sapped!"},
    {"PotentialLabel", "After defeating a more skilled rikishi, your potential has increased!"},
    {"UpsetPotentialLabel", "For pulling off the upset, your potential has increased!"},
    {"YaochoLabel", "...make-koshi on the last day of the basho?!  You should try yaocho!"},
    {"SappedLabel", "Some of your attributes have been sapped resulting from your defeat!"},
    {"BonusLabel", "And since it was such a great upset, your skills have also increased!"},
    {"UpsetBonusLabel", "And since it was such a huge upset, your skills have also increased!"},
}};

} // namespace

int genkiBarWidth(std::int32_t genki)
{
    const long long width = 2LL * genki;
    if (width <= 0)
        return 0;
    return width > kGenkiBarMaxWidth ? kGenkiBarMaxWidth : static_cast<int>(width);
}

const char* resultLabelName(ResultLabel label) { return kResultLabels[label].name; }
const char* resultLabelCaption(ResultLabel label) { return kResultLabels[label].caption; }

std::string BoutView::visibleResultLabels() const
{
    std::string names;
    for (std::size_t i = 0; i < resultLabels.size(); ++i) {
        if (!resultLabels[i])
            continue;
        if (!names.empty())
            names += ',';
        names += resultLabelName(static_cast<ResultLabel>(i));
    }
    return names;
}
