// Words and numbers of the simulator's script language.
#pragma once

#include <string>
#include <vector>

// Splits a line into words; "quoted words" may hold blanks and the escapes
// \" \\ \n \t \xHH. A # outside quotes starts a comment.
bool splitWords(const std::string& line, std::vector<std::string>* words, std::string* error);

// Decimal or 0x hexadecimal; a leading minus gives the two's complement.
bool parseNumber(const std::string& word, unsigned long long* value);

// Blank or tab (or the CR of a CR LF line end).
bool isBlank(char c);
