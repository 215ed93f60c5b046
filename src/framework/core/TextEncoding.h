#pragma once

#include <QString>

#include <string>
#include <string_view>

// Document texts are byte strings. New texts are stored as UTF-8; texts from
// older files may be in the Windows-1252 code page. These turn them into
// Unicode for display and export, and back.

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString DecodeText(std::string_view bytes);
// UTF-8 bytes of the text.
std::string EncodeText(const QString& text);
