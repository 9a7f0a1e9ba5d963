#include "records/ProjectRules.h"

namespace hb {

ProjectColour projectColour(const QDate& goal, bool complete, const QDate& today)
{
    ProjectColour colour = ProjectColour::None;
    const qint64 d = goal.isValid() ? today.daysTo(goal) : 0;
    if (d > 0 && d < 8)
        colour = ProjectColour::Yellow;
    if (d < 1)
        colour = ProjectColour::Red;
    if (complete)
        colour = ProjectColour::Aqua;
    return colour;
}

QColor colourOf(ProjectColour colour)
{
    switch (colour) {
    case ProjectColour::Yellow:
        return QColor(255, 255, 0);
    case ProjectColour::Red:
        return QColor(255, 0, 0);
    case ProjectColour::Aqua:
        return QColor(0, 255, 255);
    case ProjectColour::None:
        break;
    }
    return {};
}

} // namespace hb
