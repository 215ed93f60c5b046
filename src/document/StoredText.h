#pragma once

#include "document/CTextTable.h"
#include "document/TextCut.h"

#include <QString>

#include <string>

// The longest text a plot file carries back whole: the reader keeps that
// much of a value, so names, titles and legend and annotation texts that
// enter the document from elsewhere are held to it.
inline constexpr std::size_t kMaxStoredText = CTextTable::kMaxValue;

// Cuts text to kMaxStoredText bytes at a whole character; true when it was cut.
inline bool HoldToStoredLength(std::string& text)
{
    const std::size_t length = CutLength(text, kMaxStoredText);
    if (length == text.size())
        return false;
    text.resize(length);
    return true;
}

// What the user is told when count texts were cut, as one sentence.
QString CutTextsNote(int count);

// The UTF-8 bytes of a text typed into an editor, held to kMaxStoredText;
// a message box says so when it was cut.
std::string TypedText(const QString& text);
