#pragma once

#include <QSpinBox>

// A spin field that lets any integer be typed, as a text field would, and brings it into
// range when the field loses the focus (9 in a 0..8 field becomes 8). Its value, when
// read, is the text as an integer within the range, or the minimum when the text is not
// an integer.
class SpinEdit : public QSpinBox {
    Q_OBJECT

  public:
    SpinEdit(int minimum, int maximum, int maxLength, QWidget* parent = nullptr);

    int fieldValue() const;

  protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};
