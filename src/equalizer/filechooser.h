#pragma once

#include <QString>

// Asks the user for a file. The equaliser's file operations go through this
// seam so that other front ends and tests can answer without a dialog.
class FileChooser
{
public:
    virtual ~FileChooser();
    // An empty result means the user cancelled.
    virtual QString getOpenFileName(const QString& title, const QString& nameFilter) = 0;
    virtual QString getSaveFileName(const QString& title, const QString& nameFilter) = 0;
};

// Modal file dialogs without a parent window, starting in no particular folder.
class DialogFileChooser : public FileChooser
{
public:
    QString getOpenFileName(const QString& title, const QString& nameFilter) override;
    QString getSaveFileName(const QString& title, const QString& nameFilter) override;
};
