#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <dirent.h>

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = SetMessageBoxHandler([this](const QString& text, MsgIcon icon, MsgButtons buttons) {
        m_boxes.push_back({ text, icon, buttons });
        if (m_answers.empty())
            return DefaultAnswer(buttons);
        const MsgResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(m_previous); }

std::vector<QString> MessageBoxRecorder::Texts() const
{
    std::vector<QString> texts;
    for (const Box& box : m_boxes)
        texts.push_back(box.text);
    return texts;
}

QString TestDataPath(const QString& name) { return QStringLiteral(TERNARY_TEST_DATA "/") + name; }

std::vector<std::string> RawFileNames(const QString& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(QFile::encodeName(folder).constData());
    while (const dirent* entry = listing ? ::readdir(listing) : nullptr)
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    if (listing)
        ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool WriteFileBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
