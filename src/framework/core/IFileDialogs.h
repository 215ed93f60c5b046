#pragma once

#include <QString>

// The file dialogs the document manager asks. The application answers with
// real dialogs, tests with prepared names. An empty result means the user
// cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;

    // The file to open; filter as "Ternary Files (*.tpf)", several joined by
    // ";;". The dialog adds "All files".
    virtual QString GetOpenFileName(const QString& filter) = 0;
    // The file to save to, starting from suggestedPath (a full path or a
    // bare file name). The manager adds the default extension when the chosen
    // name has none; the dialog asks about replacing an existing file.
    virtual QString GetSaveFileName(const QString& suggestedPath, const QString& filter) = 0;
    // The file to export a picture to, among several types: filters holds
    // them separated by ";;", selectedFilter the one to show first and, on
    // return, the one the user chose. Without its own dialog it asks as
    // GetSaveFileName does and leaves selectedFilter as it was.
    virtual QString GetExportFileName(const QString& suggestedPath, const QString& filters, QString* selectedFilter)
    {
        (void)selectedFilter;
        return GetSaveFileName(suggestedPath, filters);
    }
};
