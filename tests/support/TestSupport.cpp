#include "TestSupport.h"

#include <QFile>

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
