#pragma once

#include <QDialog>

class QCheckBox;

namespace hb {

// The two notices shown before a log is created or opened, each with a "Don't Show This
// Again" box: the information before a new log (OK only) and the warning before opening a
// log (OK and Cancel).
class NoticeDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { NewLogInformation, OpenLogWarning };

    explicit NoticeDialog(Kind kind, QWidget* parent = nullptr);

    bool dontShowAgain() const;

private:
    QCheckBox* m_dontShow;
};

} // namespace hb
