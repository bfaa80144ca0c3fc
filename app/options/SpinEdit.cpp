#include "app/options/SpinEdit.h"

#include <QLineEdit>

SpinEdit::SpinEdit(int minimum, int maximum, int maxLength, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(minimum);
    // A text that is not an integer becomes the minimum when the focus leaves.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    lineEdit()->setMaxLength(maxLength);
}

int SpinEdit::fieldValue() const {
    bool ok = false;
    const int typed = cleanText().toInt(&ok);
    return ok ? qBound(minimum(), typed, maximum()) : minimum();
}

QValidator::State SpinEdit::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid) return state;
    // An integer out of range may be typed; fixup brings it into range later.
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok ? QValidator::Intermediate : QValidator::Invalid;
}

void SpinEdit::fixup(QString& text) const {
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok);
    if (ok) text = QString::number(qBound(minimum(), typed, maximum()));
}
