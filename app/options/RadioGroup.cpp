#include "app/options/RadioGroup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QStringList& items, QWidget* parent)
    : QGroupBox(parent), m_buttons(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* row = new QHBoxLayout;
        auto* button = new QRadioButton(items[i], this);
        row->addWidget(button);
        row->addStretch();
        column->addLayout(row);
        m_buttons->addButton(button, i);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit selectionChanged(id);
    });
}

int RadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QRadioButton* button = item(index)) button->setChecked(true);
}

QRadioButton* RadioGroup::item(int index) const {
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

void RadioGroup::placeAtEndOfItem(int index, QWidget* widget) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    auto* row = static_cast<QHBoxLayout*>(column->itemAt(index)->layout());
    widget->setParent(this);
    row->insertWidget(1, widget);
}
