// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_directorio.h"

#include "app/Fonts.h"
#include "app/Windows.h"
#include "forms/TForm_puntos.h"
#include "widgets/TxpButton.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QShowEvent>
#include <QStorageInfo>
#include <QTreeView>

TForm_directorio::TForm_directorio(QWidget* parent)
    : TFirstUseDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                                  Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm_directorio"));
    setWindowTitle(QStringLiteral("Directorio para guardar puntuaciones"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(360, 330);
}

void TForm_directorio::BuildControls()
{
    const QFont plain = font();

    MakeLabel(this, "Label1", QStringLiteral("Selecciona unidad de disco:"), 12, 10, 336, 16, plain,
              Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    DriveComboBox = new QComboBox(this);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->setGeometry(12, 28, 336, 22);

    MakeLabel(this, "Label2", QStringLiteral("Selecciona directorio:"), 12, 58, 336, 16, plain, Qt::black,
              Qt::AlignLeft | Qt::AlignVCenter);
    DirectoryListBox = new QTreeView(this);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setGeometry(12, 76, 336, 196);
    DirectoryListBox->setHeaderHidden(true);

    xpButton_aceptar = new TxpButton(QStringLiteral("Aceptar"), this);
    xpButton_aceptar->setObjectName(QStringLiteral("xpButton_aceptar"));
    xpButton_aceptar->setGeometry(60, 284, 110, 34);
    xpButton_cancelar = new TxpButton(QStringLiteral("Cancelar"), this);
    xpButton_cancelar->setObjectName(QStringLiteral("xpButton_cancelar"));
    xpButton_cancelar->setGeometry(190, 284, 110, 34);

    connect(DriveComboBox, &QComboBox::currentTextChanged, this, &TForm_directorio::DriveComboBoxChange);
    connect(xpButton_aceptar, &QAbstractButton::clicked, this, &TForm_directorio::xpButton_aceptarClick);
    connect(xpButton_cancelar, &QAbstractButton::clicked, this, &TForm_directorio::xpButton_cancelarClick);
}

void TForm_directorio::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_directorio::FormShow()
{
    EnsureControls();
    // The volumes and the folder tree are read when first shown, not at start-up.
    if (!model_) {
        // POSIX has no drive letters: the mounted volumes stand in for them.
        QStringList roots;
        for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
            if (v.isValid() && v.isReady())
                roots << v.rootPath();
        roots.removeDuplicates();
        roots.sort();
        model_ = new QFileSystemModel(this);
        model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
        model_->setRootPath(QDir::rootPath());
        DirectoryListBox->setModel(model_);
        for (int c = 1; c < model_->columnCount(); ++c)
            DirectoryListBox->hideColumn(c);
        const QSignalBlocker block(DriveComboBox);
        DriveComboBox->addItems(roots);
        DriveComboBox->setCurrentIndex(roots.indexOf(QDir::rootPath()));
    }
    const QString current = Form_puntos ? Form_puntos->pointsDirectory : QString();
    SelectDirectory(current.isEmpty() ? QDir::currentPath() : current);
}

void TForm_directorio::SelectDirectory(const QString& path)
{
    if (!model_)
        return;
    const QModelIndex index = model_->index(QDir(path).absolutePath());
    DirectoryListBox->setCurrentIndex(index);
    DirectoryListBox->scrollTo(index);
}

void TForm_directorio::DriveComboBoxChange()
{
    if (!model_)
        return;
    const QString root = DriveComboBox->currentText();
    if (!root.isEmpty())
        DirectoryListBox->setRootIndex(model_->index(root));
}

QString TForm_directorio::SelectedDirectory() const
{
    if (!model_)
        return {};
    const QModelIndex index = DirectoryListBox->currentIndex();
    return index.isValid() ? model_->filePath(index) : QString();
}

void TForm_directorio::xpButton_aceptarClick()
{
    const QString dir = SelectedDirectory();
    if (!dir.isEmpty() && Form_puntos)
        Form_puntos->pointsDirectory = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    accept();
}

void TForm_directorio::xpButton_cancelarClick() { reject(); }
