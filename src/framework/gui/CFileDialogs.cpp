#include "framework/gui/CFileDialogs.h"

#include <QFileDialog>

QString CFileDialogs::GetOpenFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(
        m_parent, QStringLiteral("Open"), QString(), filter + QStringLiteral(";;All files (*)"));
}

QString CFileDialogs::GetSaveFileName(const QString& suggestedPath, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save As"), suggestedPath, filter);
}

QString CFileDialogs::GetExportFileName(const QString& suggestedPath, const QString& filters, QString* selectedFilter)
{
    return QFileDialog::getSaveFileName(
        m_parent, QStringLiteral("Export Picture"), suggestedPath, filters, selectedFilter);
}
