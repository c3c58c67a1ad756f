#include "equalizer/filechooser.h"

#include <QFileDialog>

FileChooser::~FileChooser() = default;

QString DialogFileChooser::getOpenFileName(const QString& title, const QString& nameFilter)
{
    return QFileDialog::getOpenFileName(nullptr, title, QString(), nameFilter);
}

QString DialogFileChooser::getSaveFileName(const QString& title, const QString& nameFilter)
{
    return QFileDialog::getSaveFileName(nullptr, title, QString(), nameFilter);
}
