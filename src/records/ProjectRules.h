#pragma once

#include <QColor>
#include <QDate>

namespace hb {

// How a project's row is coloured in the list: by the days left to its goal date, completed
// projects apart.
enum class ProjectColour { None, Yellow, Red, Aqua };

// d = goal date - today in days: 0 < d < 8 yellow; d < 1 (due today, overdue, or no goal date)
// red; completed aqua, whatever the goal date.
ProjectColour projectColour(const QDate& goal, bool complete, const QDate& today);
QColor colourOf(ProjectColour colour);

} // namespace hb
