#pragma once
// The radio's own small character set for the short texts of the alignment
// area (power-on lines, information lines, passwords): '0'..'9', 'A'..'Z',
// '+', '-' and the blank, one byte each with its ASCII value. Lower-case
// letters are stored as capitals; every other character is stored as 11.
#include <QString>

#include <cstdint>

// The byte of a one-character text; 11 for anything else (an unknown
// character, the empty text, two or more characters).
std::uint8_t Char_to_byte(const QString& text);

// The one-character text of a byte of the set; the empty text for any other
// value (11 included).
QString Byte_to_char(int value);
