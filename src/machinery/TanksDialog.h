#pragma once

#include "logdb/RecordSet.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace hb {

struct AppContext;
class EditBar;
class FieldBinder;
class LogList;
class RecordSet;
class RecordSetModel;

// The dialog "Vessel Tanks": the tanks list with its fields and a navigator. In setup mode
// every field can be changed and tanks added or deleted; in level mode only the current level
// of an existing tank.
class TanksDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Setup, Level };
    TanksDialog(AppContext& app, Mode mode, bool metric, QWidget* parent = nullptr);
    ~TanksDialog() override;

    RecordSet& tanks() { return *m_set; }
    EditBar* editBar() const { return m_bar; }
    QLineEdit* levelField() const { return m_level; }
    QComboBox* typeBox() const { return m_type; }
    QLineEdit* field(const char* column) const;
    bool saveTank();

    // Leaving the level: an out-of-range level is refused and the one before stays.
    void TankLevelExit();

private:
    RecordSet::Verdict TanksTblBeforePost();
    void TanksTblAfterInsert();
    void barClicked(int button);
    void follow();

    AppContext& m_app;
    Mode m_mode;
    std::unique_ptr<RecordSet> m_set;
    RecordSetModel* m_model;
    LogList* m_list;
    FieldBinder* m_binder;
    EditBar* m_bar;
    QLineEdit* m_level;
    QComboBox* m_type;
    QString m_levelBefore;
};

} // namespace hb
