#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A box of exclusive choices addressed by item index. selectionChanged is emitted whenever
// the selected item changes, by the user or by setItemIndex, and never when the item that
// is chosen was already selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit RadioGroup(const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const;

    // Places `widget` inside the box, at the end of the item's line.
    void placeAtEndOfItem(int index, QWidget* widget);

  signals:
    void selectionChanged(int index);

  private:
    QButtonGroup* m_buttons;
};
