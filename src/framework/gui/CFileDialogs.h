#pragma once

#include "framework/core/IFileDialogs.h"

#include <QPointer>
#include <QWidget>

// The document manager's file dialogs as real QFileDialogs over the main
// window. The save dialog asks before it replaces an existing file.
class CFileDialogs : public IFileDialogs {
public:
    explicit CFileDialogs(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }

    QString GetOpenFileName(const QString& filter) override;
    QString GetSaveFileName(const QString& suggestedPath, const QString& filter) override;
    QString GetExportFileName(const QString& suggestedPath, const QString& filters, QString* selectedFilter) override;

private:
    QPointer<QWidget> m_parent;
};
