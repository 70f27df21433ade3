#pragma once

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QWidget>
#include <memory>

namespace Ui {
class FComboBox;
}

// A compact value selector: a label shows the current entry, two small arrow buttons step
// to the previous or the next entry.
class FComboBox : public QWidget
{
    Q_OBJECT

public:
    explicit FComboBox(QWidget *parent = nullptr);
    ~FComboBox() override;

    void addItem(const QString &text, const QVariant &data = QVariant());
    QVariant itemData(int index) const;
    void setCurrentIndex(int index);
    int currentIndex() const { return current; }
    int count() const { return entries.size(); }

signals:
    void activated(int index);

private slots:
    void on_pBtn_Up_clicked();
    void on_pBtn_Down_clicked();
    void onUpdateLanguage();

private:
    void showEntry(int index);

    std::unique_ptr<Ui::FComboBox> ui;
    QVector<QPair<QString, QVariant>> entries;
    int current = 0;
};
