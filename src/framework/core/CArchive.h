#pragma once

#include <QIODevice>

#include <string>
#include <string_view>

// A text stream over an open device, in one direction.
// Loading reads the whole device at construction (at most kMaxReadBytes of
// FileAccess.h) and hands it out one line at a time: a line ends at LF, a CR
// just before the LF is dropped, and the last line may lack its LF. Storing writes texts unchanged, byte for byte.
class CArchive {
public:
    enum Mode { load, store };

    CArchive(QIODevice* device, Mode mode);

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    // Loading: the next line without its line end; false at the end of the data.
    bool ReadString(std::string& line);
    // Every line not read yet, each ended by one LF, as ReadString would
    // give them; the archive's own text is handed over, not copied, and the
    // archive is at its end afterwards.
    std::string TakeLines();

    // Storing: writes the text as it is (no line end is added).
    void WriteString(std::string_view text);

    // True once a read or write on the device failed.
    bool HasError() const { return m_error; }
    // Loading: the device held more than kMaxReadBytes; nothing was kept.
    bool IsTooLarge() const { return m_tooLarge; }

private:
    QIODevice* m_device;
    Mode m_mode;
    std::string m_data; // loading: the whole content
    std::size_t m_pos = 0; // loading: start of the next line
    bool m_error = false;
    bool m_tooLarge = false;
};
