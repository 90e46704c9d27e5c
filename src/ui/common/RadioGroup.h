#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

// A group box of radio buttons with one selected index (-1 when none is
// selected), laid out in a number of columns.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)

  public:
    RadioGroup(QWidget* parent, const QString& objectName, const QString& caption, const QStringList& items,
               int columns);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(index); }

  signals:
    // A button became selected, by the user or by setItemIndex.
    void itemIndexChanged(int index);

  private:
    QButtonGroup group_;
    QList<QRadioButton*> buttons_;
};
