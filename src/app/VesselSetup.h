#pragma once

#include "logdb/RecordSet.h"
#include "pages/Pages.h"

#include <QObject>

#include <functional>
#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hb {

struct AppContext;
class DateBox;
class FieldBinder;
class PageHost;

// The vessel record on the setup page: its five sub-pages of fields, the edit bar ("New Vessel
// Setup", "Edit Setup", "Save Setup", "Cancel Changes"), the hours lock, "Number Engines",
// "Clear All Markers" and the tanks.
class VesselSetup : public QObject
{
    Q_OBJECT
public:
    VesselSetup(AppContext& app, RecordSet& vessel, PageHost& host,
                std::function<int()> structureVersion, QObject* parent = nullptr);
    ~VesselSetup() override;

    QWidget* subPage(SubPage page) const { return m_pages.at(page); }
    QWidget* editBar() const { return m_bar; }
    RecordSet& vessel() { return m_vessel; }
    bool editing() const;
    bool hasRecord() const;

    // The setup page shown: the edit bar follows whether the record exists.
    void SetupShow();
    void subPageShown(SubPage page);
    // Leaving the setup page; false keeps it (the save failed).
    bool leaveStep();

    void NewClick();
    void EditClick();
    bool SaveClick();
    void CancelClick();
    void ClearMarkersClick();
    void TanksClick();

    QString numberEngines() const;
    void setNumberEngines(const QString& number);
    QLineEdit* field(const QString& column) const;
    QPushButton* button(const char* name) const;
    QLabel* unitCaption(const QString& column) const;

    static const QString NewWarning;
    static const QString EditWarning;
    static const QString SaveQuestion;

Q_SIGNALS:
    void numberEnginesChanged(const QString& number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FieldDef;
    void build();
    QWidget* buildPage(SubPage page, const std::vector<FieldDef>& defs);
    void follow();
    void applyHoursLock();
    void applyNumberEngines();
    void showFormatted();
    void setUnits();
    RecordSet::Verdict BoatInfoBeforePost();

    AppContext& m_app;
    RecordSet& m_vessel;
    PageHost& m_host;
    std::function<int()> m_structureVersion;
    FieldBinder* m_binder;
    std::map<SubPage, QWidget*> m_pages;
    QWidget* m_bar;
    QComboBox* m_numberEngines;
    QComboBox* m_pwrSail;
    DateBox* m_passExp;
    bool m_newPressed = false;
    std::map<QString, QLineEdit*> m_fields;
    std::map<QString, QLabel*> m_units;
    std::vector<QWidget*> m_engine2;
};

} // namespace hb
