#include "settings/setting.h"

#include "platform/movefilter.h"
#include "settings/configuration.h"
#include "ui_setting.h"

#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

// A hand-edited settings file may hold an index that no entry has; Save would then store
// -1 and announce it. Such a value shows the default entry instead.
void selectOr(QComboBox *box, int index, int fallback)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : fallback);
}

} // namespace

Setting::Setting(QWidget *parent) : QDialog(parent), ui(new Ui::Setting)
{
    ui->setupUi(this);
    MoveFilter::install(this, this);

    Configuration *store = Configuration::instance();
    ui->lEdit_SavePath->setText(store->screenshotSavePath());
    selectOr(ui->cBox_Language, store->language(), Configuration::languageForLocale(QLocale()));
    selectOr(ui->cBox_Maps, store->maps(), int(OpenStreetMap));
    selectOr(ui->cBox_SpeedUnit, store->speedUnit(), 0);
    ui->lEdit_GoogleKey->setText(store->googleMapsKey());
    ui->lEdit_BaiduKey->setText(store->baiduMapsKey());
    ui->lblIcon->setStyleSheet(
        QStringLiteral("border-image: url(:/image/%1.png);").arg(QStringLiteral("logo")));
}

Setting::~Setting()
{
    delete ui;
}

void Setting::on_pBtn_Choose_clicked()
{
    const QStringList pictures =
        QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    const QString start = pictures.isEmpty() ? QDir::homePath() : pictures.first();
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Open Directory"), start,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        ui->lEdit_SavePath->setText(folder);
}

void Setting::on_pBtn_OK_clicked()
{
    Configuration *store = Configuration::instance();
    store->setLanguage(ui->cBox_Language->currentIndex());
    store->setScreenshotSavePath(ui->lEdit_SavePath->text());
    store->setMaps(MapTypes(ui->cBox_Maps->currentIndex()));
    store->setSpeedUnit(ui->cBox_SpeedUnit->currentIndex());
    store->setGoogleMapsKey(ui->lEdit_GoogleKey->text());
    store->setBaiduMapsKey(ui->lEdit_BaiduKey->text());
    accept();
}

void Setting::on_pBtn_Cancel_clicked()
{
}
