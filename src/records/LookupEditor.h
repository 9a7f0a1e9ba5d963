#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLineEdit;

namespace hb {

struct AppContext;
class EditBar;
class LogList;
class RecordSet;
class RecordSetModel;
struct LookupTable;

// The lookup editor of the setup page: one of the ten lookup lists chosen by its name, its
// entries in a list and the current entry in a field, changed with the edit bar. Entries are
// kept in capitals (drop-downs compare in capitals) and never longer than every column the
// list's drop-downs write into can hold.
class LookupEditor : public QWidget
{
    Q_OBJECT
public:
    explicit LookupEditor(AppContext& app, QWidget* parent = nullptr);
    ~LookupEditor() override;

    // Opens the list with this table name (the first list for an unknown name). False when
    // the table cannot be read.
    bool LookupEditShow(const QString& table);
    // The table of the list shown.
    QString currentTable() const;
    bool editing() const;
    // Saves the entry being added or edited; false when refused or failed.
    bool saveEntry();
    void cancelEntry();
    RecordSet& entries() { return *m_set; }
    QComboBox* tableBox() const { return m_tables; }
    QLineEdit* entryField() const { return m_entry; }
    EditBar* editBar() const { return m_bar; }

    static const QString CannotOpen;

Q_SIGNALS:
    void tableChosen(const QString& table);

private:
    void TableSelComboChange(int index);
    void open(const LookupTable& table);
    void barClicked(int button);
    void follow();

    AppContext& m_app;
    const LookupTable* m_table = nullptr;
    std::unique_ptr<RecordSet> m_set;
    RecordSetModel* m_model = nullptr;
    QComboBox* m_tables;
    LogList* m_list;
    QLineEdit* m_entry;
    EditBar* m_bar;
};

} // namespace hb
