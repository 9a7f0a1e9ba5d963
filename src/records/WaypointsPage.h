#pragma once

#include "pages/LogPage.h"

class QCheckBox;
class QLineEdit;

namespace hb {

class DateBox;

// The waypoint log: named places with their positions, location names, depth and features.
// Positions are typed as degrees, minutes and a hemisphere letter; waypoints are exchanged
// with chart plotters as GPX.
class WaypointsPage : public LogPage
{
    Q_OBJECT
public:
    explicit WaypointsPage(PageContext& context, QWidget* parent = nullptr);

    static const LogPageSpec& pageSpec();
    QLineEdit* latitudeBox() const { return m_lat; }
    QLineEdit* longitudeBox() const { return m_long; }
    DateBox* dateBox() const { return m_date; }

    void importGpx();
    void exportGpx();

protected:
    Selection normalSelection() const override;
    Selection showAllSelection(bool all) const override;
    void pageShown() override;
    void showCurrent() override;
    void editingChanged(bool editing) override;

private:
    void WaypointsShow();
    void WPQueryAfterInsert();
    RecordSet::Verdict WPQueryBeforePost();
    void WPQueryAfterPost();

    QLineEdit* m_lat;
    QLineEdit* m_long;
    DateBox* m_date;
};

} // namespace hb
