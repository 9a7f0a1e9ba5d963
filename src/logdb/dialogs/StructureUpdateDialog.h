#pragma once

#include <QDialog>

#include <functional>

namespace hb {

// "Log Database Structure Update": explains the pending update and offers to perform or skip
// it. Skipping (the button, Escape or the close box) closes the dialog only when `confirmSkip`
// says so; accepted means "Perform the Update".
class StructureUpdateDialog : public QDialog
{
    Q_OBJECT
public:
    StructureUpdateDialog(const QString& description, std::function<bool()> confirmSkip,
                          QWidget* parent = nullptr);

    void reject() override;

private:
    std::function<bool()> m_confirmSkip;
};

} // namespace hb
