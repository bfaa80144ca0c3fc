#include "app/options/SpinEdit.h"

#include <QLineEdit>

#include "text/Decimal.h"

namespace {

// The integer typed in a field, blanks around it allowed.
std::optional<int> TypedInteger(const QString& text) {
    return ReadDecimal(text.trimmed().toStdString(), {.Plus = true, .Minus = true});
}

} // namespace

SpinEdit::SpinEdit(int minimum, int maximum, int maxLength, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(minimum);
    // A text that is not an integer becomes the minimum when the focus leaves.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    lineEdit()->setMaxLength(maxLength);
}

int SpinEdit::fieldValue() const {
    const std::optional<int> typed = TypedInteger(cleanText());
    return typed ? qBound(minimum(), *typed, maximum()) : minimum();
}

QValidator::State SpinEdit::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid) return state;
    // An integer out of range may be typed; fixup brings it into range later.
    return TypedInteger(text) ? QValidator::Intermediate : QValidator::Invalid;
}

void SpinEdit::fixup(QString& text) const {
    const std::optional<int> typed = TypedInteger(text);
    if (typed) text = QString::number(qBound(minimum(), *typed, maximum()));
}
