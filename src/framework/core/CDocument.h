#pragma once

#include <QString>

#include <vector>

class CArchive;
class QIODevice;
class CView;

// The data of one open file and the life cycle the document manager drives:
// New is OnNewDocument, which starts with DeleteContents; Open reads the
// whole file, then runs DeleteContents and Serialize for loading; Save runs
// Serialize for storing into a temporary file that replaces the old one only
// when all was written (WriteFileAtomically).
class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Empties the document's contents; called before New and Open.
    virtual void DeleteContents() { }

    // Starts a new, unnamed, unmodified document. Derived classes call the
    // base first and build their new contents when it succeeds.
    virtual bool OnNewDocument();

    // Reads the file at path. When it cannot be opened or read a message is
    // shown and the document is left as it was; otherwise its contents are
    // replaced. Running out of memory half way ends the load with a message
    // and a new document.
    bool OnOpenDocument(const QString& path);
    // The same for a file the caller has opened already (path names it);
    // the one to override.
    virtual bool OnOpenDocument(const QString& path, QIODevice& file);

    // Writes the document to path. On any failure a message is shown, the
    // file that was there stays untouched and the document stays modified.
    virtual bool OnSaveDocument(const QString& path);

    // Writes or reads the document through the archive.
    virtual void Serialize(CArchive& archive);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    const QString& GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path) { m_pathName = path; }
    // The file the contents were read from when it is not one the document
    // saves to (samples opened from a CSV): it names the plot until the
    // first save, which asks for a file of the document's own.
    void SetSourcePath(const QString& path) { m_sourcePath = path; }
    // The path the files made from the document are named after: its own
    // file, or else the file its contents came from; empty for a new one.
    const QString& GetNamingPath() const { return m_pathName.isEmpty() ? m_sourcePath : m_pathName; }
    // The naming file's name without its folder, or "Untitled".
    QString GetTitle() const;

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }

    // Calls OnUpdate of every view except the sender.
    void UpdateAllViews(CView* sender, long hint = 0, void* hintObject = nullptr);
    // Calls OnInitialUpdate of every view (after New and Open).
    void SendInitialUpdate();
    // Calls FinishEdits of every view.
    void FinishEdits();

private:
    std::vector<CView*> m_views;
    QString m_pathName;
    QString m_sourcePath;
    bool m_modified = false;
};
