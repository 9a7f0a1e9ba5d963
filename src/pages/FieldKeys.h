#pragma once

#include <QObject>

class QWidget;

namespace hb {

// Keys in a page's detail fields: Enter moves to the next field and Shift+Enter to the previous
// one; whole-number fields take only digits, "-" and Backspace, decimal fields only digits,
// "." and Backspace. Other keys are ignored.
enum class KeyFilter { Any, WholeNumber, Decimal };

// Installs the Enter keys and the filter on a field (or on the line edit inside a spin box or
// date box).
void setFieldKeys(QWidget* field, KeyFilter filter = KeyFilter::Any);

// Whether a typed character gets through a filter.
bool keyAccepted(KeyFilter filter, QChar c);

} // namespace hb
