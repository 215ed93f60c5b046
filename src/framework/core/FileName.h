#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes to the system and need not be UTF-8 ("lat\xE9.tpf"
// from an older machine). The program holds them as QString; these carry
// every byte through unchanged: a byte that is not part of valid UTF-8 is
// held as the lone surrogate U+DC80 + (byte - 0x80) and turned back into the
// same byte on the way out, so such a name opens and writes the very file
// it names instead of one with U+FFFD in its place.
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// A name as a message can show it: bytes that are not UTF-8 as \xNN.
QString ShownFileName(const QString& name);

// The name made absolute against the working folder and cleaned of "." and
// ".." by text alone, so that no byte of it is re-encoded on the way.
QString AbsoluteFileName(const QString& name);
