#include "controls/fcombobox.h"

#include "settings/configuration.h"
#include "ui_fcombobox.h"

#include <QDebug>

FComboBox::FComboBox(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::FComboBox>())
{
    ui->setupUi(this);
    ui->pBtn_Up->setEnabled(false);
    ui->pBtn_Down->setEnabled(false);
    connect(Configuration::instance(), &Configuration::updateLanguage, this,
            &FComboBox::onUpdateLanguage);
}

FComboBox::~FComboBox() = default;

void FComboBox::addItem(const QString &text, const QVariant &data)
{
    entries.append(qMakePair(text, data));
    if (current < entries.size() - 1) {
        ui->pBtn_Up->setEnabled(true);
        ui->pBtn_Down->setEnabled(true);
    }
}

QVariant FComboBox::itemData(int index) const
{
    if (index < 0 || index >= entries.size())
        return QVariant();
    return entries.at(index).second;
}

void FComboBox::setCurrentIndex(int index)
{
    if (index < 0 || index >= entries.size())
        return;
    showEntry(index);
    current = index;
    emit activated(index);
}

void FComboBox::on_pBtn_Up_clicked()
{
    if (current <= 0)
        return;
    --current;
    showEntry(current);
    if (current == 0)
        ui->pBtn_Up->setEnabled(false);
    if (!ui->pBtn_Down->isEnabled())
        ui->pBtn_Down->setEnabled(true);
    emit activated(current);
}

void FComboBox::on_pBtn_Down_clicked()
{
    const int last = entries.size() - 1;
    if (current >= last)
        return;
    ++current;
    qDebug() << current << entries.size();
    showEntry(current);
    if (current == last)
        ui->pBtn_Down->setEnabled(false);
    if (!ui->pBtn_Up->isEnabled())
        ui->pBtn_Up->setEnabled(true);
    emit activated(current);
}

void FComboBox::onUpdateLanguage()
{
    ui->retranslateUi(this);
    if (current < 0 || current >= entries.size())
        return;
    showEntry(current);
    emit activated(current);
}

void FComboBox::showEntry(int index)
{
    ui->lbl_Text->setText(entries.at(index).first);
}
